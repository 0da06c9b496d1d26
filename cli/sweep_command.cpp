#include "cli/sweep_command.h"

#include <ostream>

#include "cli/result_output.h"
#include "cli/sweep_output.h"
#include "cli/sweep_progress.h"
#include "files/replace_file.h"
#include "sweep/sweep_blocks.h"

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

// Every point of the grid as rows of `format`, on as many threads as the
// machine has cores; each thread has its own runner, all share the tables.
void sweepInto(std::ostream& out, const SweepGrid& grid, const SweepFormat& format,
               const std::function<std::unique_ptr<SweepRunner>()>& makeRunner, std::ostream& err) {
  std::string text;
  format.heading(text);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  SweepProgress progress(err, grid.size());
  SweepBlocks job;
  job.makeRunner = makeRunner;
  job.row = [&](std::string& rows, std::int64_t i, const std::vector<BoxValue>& values,
                const SweepPoint& point) { format.row(rows, i, values, point); };
  job.write = [&](const std::string& rows, std::int64_t done) {
    out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    progress.done(done);
  };
  job.threads = sweepThreads();
  runSweepBlocks(grid, job);
  text.clear();
  format.ending(text, grid.size());
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  progress.finish();
}

}  // namespace

int runSweep(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  std::optional<SweepGrid> grid;
  try {
    request = parseDesignRequest(
        argv, {{"vary", true}, {"csv", false}, {"json", false}, {"captions", false}, {"out", true}},
        env);
    if (request.args.has("csv") && request.args.has("json"))
      throw UsageError("give --csv or --json, not both");
    if (request.args.has("captions") && request.args.has("json"))
      throw UsageError("--captions is for CSV: JSON names its members");
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
    const auto makeRunner = runnersSharingOneRead(request.programDir, env.locale, *design);
    const SweepHeading heading{designTypeName(program.form()), designTypeCode(program.form()),
                               grid->axes(), env.locale};
    const std::unique_ptr<SweepFormat> format =
        request.args.has("json")
            ? jsonSweepFormat(heading)
            : csvSweepFormat(heading, request.args.has("captions")
                                          ? sweepCaptions(program.form(), heading)
                                          : std::vector<std::string>{});
    if (!request.args.has("out")) {
      sweepInto(env.out, *grid, *format, makeRunner, env.err);
      return kExitOk;
    }
    const std::string out = request.args.last("out");
    reason = replaceFile(
        out, [&](std::ostream& file) { sweepInto(file, *grid, *format, makeRunner, env.err); });
    if (!reason.empty()) {
      env.err << "windara-cli: cannot write " << out << ": " << reason << "\n";
      return kExitUsage;
    }
    return kExitOk;
  });
}

}  // namespace windara::cli
