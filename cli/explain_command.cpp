#include "cli/explain_command.h"

#include <ostream>

#include "app/explain.h"
#include "cli/explanation_json.h"
#include "cli/explanation_text.h"

namespace windara::cli {

int runExplain(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  try {
    request = parseDesignRequest(argv, {{"json", false}}, env);
  } catch (const UsageError& e) {
    env.err << "windara-cli: explain: " << e.what() << "\nTry 'windara-cli --help'.\n";
    return kExitUsage;
  }
  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    // The boxes hold the inputs the last calculation validated and read.
    const Explanation x = explainDesign(program.session());
    if (request.args.has("json")) {
      const QByteArray json = explanationJsonText(x);
      env.out.write(json.constData(), json.size());
    } else {
      writeExplanationText(env.out, x, program.session().locale);
    }
    return kExitOk;
  });
}

}  // namespace windara::cli
