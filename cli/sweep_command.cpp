#include "cli/sweep_command.h"

#include <ostream>

#include "cli/result_output.h"
#include "cli/sweep_output.h"
#include "cli/sweep_progress.h"
#include "files/replace_file.h"

namespace windara::cli {

namespace {

int usage(Environment& env, const std::string& problem) {
  env.err << "windara-cli: sweep: " << problem << "\nTry 'windara-cli --help'.\n";
  return kExitUsage;
}

// The design every point starts from: the file as it was read, with the texts
// the form took while opening it (an --answer replaces a text the file got
// wrong).
std::optional<DesignFileContents> startingDesign(HeadlessProgram& program, std::string& reason) {
  FileOutcome outcome;
  std::optional<DesignFileContents> d = readDesignFile(program.openedPath(), outcome);
  if (!d) {
    reason = outcome.reason;
    return d;
  }
  for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k)
    d->texts[k] = (program.form().*kDesignFileBoxes[k]).text;
  return d;
}

void sweepInto(std::ostream& out, const SweepGrid& grid, SweepRunner& runner,
               const SweepHeading& heading, bool json, std::ostream& err) {
  const std::unique_ptr<SweepOutput> output =
      json ? jsonSweepOutput(out, heading) : csvSweepOutput(out, heading);
  SweepProgress progress(err, grid.size());
  SweepPoint point;
  for (std::int64_t i = 0; i < grid.size(); ++i) {
    const std::vector<BoxValue> values = grid.point(i);
    runner.run(values, point);
    output->point(values, point);
    progress.done(i + 1);
  }
  output->finish();
  progress.finish();
}

}  // namespace

int runSweep(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  std::optional<SweepGrid> grid;
  try {
    request = parseDesignRequest(
        argv, {{"vary", true}, {"csv", false}, {"json", false}, {"out", true}}, env);
    if (request.args.has("csv") && request.args.has("json"))
      throw UsageError("give --csv or --json, not both");
    std::vector<SweepAxis> axes;
    for (const std::string& spec : request.args.all("vary"))
      axes.push_back(parseSweepAxis(spec, env.locale));
    grid.emplace(std::move(axes), env.locale);
  } catch (const UsageError& e) {
    return usage(env, e.what());
  } catch (const SweepSpecError& e) {
    return usage(env, e.what());
  }

  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    std::string reason;
    const std::optional<DesignFileContents> design = startingDesign(program, reason);
    if (!design) {
      env.err << "windara-cli: cannot read the design again: " << reason << "\n";
      return kExitUsage;
    }
    // Each table is read once here and the same grid serves every point.
    SweepRunner runner(request.programDir, env.locale, *design, readCoreTables(request.programDir));
    const SweepHeading heading{designTypeName(program.form()), grid->axes(), env.locale};
    const bool json = request.args.has("json");
    if (!request.args.has("out")) {
      sweepInto(env.out, *grid, runner, heading, json, env.err);
      return kExitOk;
    }
    const std::string out = request.args.last("out");
    reason = replaceFile(
        out, [&](std::ostream& file) { sweepInto(file, *grid, runner, heading, json, env.err); });
    if (!reason.empty()) {
      env.err << "windara-cli: cannot write " << out << ": " << reason << "\n";
      return kExitUsage;
    }
    return kExitOk;
  });
}

}  // namespace windara::cli
