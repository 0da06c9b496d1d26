#include "cli/check_command.h"

#include <ostream>

#include "app/design_checks.h"
#include "cli/checks_text.h"

namespace windara::cli {

int runCheck(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  try {
    request = parseDesignRequest(argv, {}, env);
  } catch (const UsageError& e) {
    env.err << "windara-cli: check: " << e.what() << "\nTry 'windara-cli --help'.\n";
    return kExitUsage;
  }
  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    writeChecksText(env.out, checkDesign(program.session()), program.session().locale);
    return kExitOk;
  });
}

}  // namespace windara::cli
