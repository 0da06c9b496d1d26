#include "cli/advise_command.h"

#include <ostream>

#include "advise/advise.h"
#include "cli/advise_output.h"
#include "cli/advise_requirement.h"
#include "files/replace_file.h"
#include "sweep/sweep_blocks.h"

namespace windara::cli {

namespace {

int usage(Environment& env, const std::string& problem) {
  env.err << "windara-cli: advise: " << problem << "\nTry 'windara-cli --help'.\n";
  return kExitUsage;
}

// A design file holding the candidate's state, as Save Design As writes one.
void writeState(std::ostream& out, const DesignFileContents& d) {
  out << d.type << "\r\n";
  for (const std::string& t : d.texts)
    out << '"' << t << "\"\r\n";
  out << d.material << "\r\n";
  if (d.type == kTypeTraditional) out << d.thickness << "\r\n";
}

}  // namespace

int runAdvise(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  std::size_t count = 3;
  try {
    request = parseDesignRequest(argv, adviseOptions(), env);
    if (request.args.has("count")) {
      const std::string text = request.args.last("count");
      const auto v = parseNumber(text, NumberLocale::period());
      if (!v || *v != static_cast<int>(*v) || *v < 1 || *v > 100)
        throw UsageError("--count: expected a whole number from 1 to 100, got '" + text + "'");
      count = static_cast<std::size_t>(*v);
    }
  } catch (const UsageError& e) {
    return usage(env, e.what());
  }

  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    // The requirement starts from the inputs as the opened form holds them.
    DesignFileContents design = designOnForm(program.form());
    Requirement req;
    try {
      req = adviseRequirement(design, request.args, env.locale);
    } catch (const UsageError& e) {
      return usage(env, e.what());
    }
    const Advice advice = advise(request.programDir, env.locale, req, {count, sweepThreads()});
    env.out << (request.args.has("json") ? adviceJson(req, advice)
                                         : adviceText(req, advice, env.locale));
    if (!request.args.has("apply")) return kExitOk;
    const std::string out = request.args.last("apply");
    if (!advice.best) {
      env.err << "windara-cli: advise: no candidate meets the requirement; " << out
              << " is not written\n";
      return kExitOk;
    }
    const std::string reason = replaceFile(
        out, [&](std::ostream& file) { writeState(file, advice.candidates[*advice.best].state); });
    if (!reason.empty()) {
      env.err << "windara-cli: cannot write " << out << ": " << reason << "\n";
      return kExitUsage;
    }
    return kExitOk;
  });
}

}  // namespace windara::cli
