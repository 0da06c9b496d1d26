#include "cli/commands.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <random>
#include <sstream>

#include "cli/advise_command.h"
#include "cli/check_command.h"
#include "cli/check_tables_command.h"
#include "cli/explain_command.h"
#include "cli/report_command.h"
#include "cli/result_output.h"
#include "cli/sweep_command.h"

namespace windara::cli {

namespace {

namespace fs = std::filesystem;

// Enough for any design file; more makes Open report the file as too large.
constexpr std::size_t kMaxStdinBytes = (2u << 20) + 1;

// Standard input copied to a file of its own, removed afterwards.
class StdinCopy {
 public:
  explicit StdinCopy(std::istream& in) {
    std::random_device rd;
    path_ = fs::temp_directory_path() /
            ("windara-cli-" + std::to_string(rd()) + std::to_string(rd()) + ".design");
    std::ofstream out(path_, std::ios::binary);
    std::string buffer(std::size_t{64} * 1024, '\0');
    std::size_t total = 0;
    while (out && total < kMaxStdinBytes && in) {
      in.read(buffer.data(),
              static_cast<std::streamsize>(std::min(buffer.size(), kMaxStdinBytes - total)));
      const auto got = static_cast<std::size_t>(in.gcount());
      if (got == 0) break;
      out.write(buffer.data(), static_cast<std::streamsize>(got));
      total += got;
    }
    ok_ = static_cast<bool>(out.flush());
  }
  ~StdinCopy() {
    std::error_code ec;
    fs::remove(path_, ec);
  }
  StdinCopy(const StdinCopy&) = delete;
  StdinCopy& operator=(const StdinCopy&) = delete;
  const fs::path& path() const { return path_; }
  bool ok() const { return ok_; }

 private:
  fs::path path_;
  bool ok_ = false;
};

// A prompt on one line per line of its box.
std::string promptLines(const std::string& prompt) {
  std::string out;
  for (char c : prompt)
    out += c == '\r' ? '\n' : c;
  return out;
}

int usage(Environment& env, const std::string& problem) {
  env.err << "windara-cli: " << problem << "\nTry 'windara-cli --help'.\n";
  return kExitUsage;
}

// --program-dir, checked, or the program's own folder.
fs::path programDir(const ParsedArgs& args, const Environment& env) {
  if (!args.has("program-dir")) return env.programDir;
  fs::path dir = args.last("program-dir");
  std::error_code ec;
  if (!fs::is_directory(dir, ec))
    throw UsageError("--program-dir " + dir.string() + " is not a folder");
  return dir;
}

bool wantsHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

}  // namespace

fs::path programDirOption(const ParsedArgs& args, const Environment& env) {
  return programDir(args, env);
}

std::vector<OptionSpec> designRunOptions() {
  return {{"program-dir", true}, {"answer", true}};
}

std::string helpText() {
  return R"(Usage:
  windara-cli design FILE [--json] [--program-dir DIR] [--answer TEXT]... [--save OUT]
  windara-cli report FILE [--program-dir DIR] [--answer TEXT]... [--pdf OUT]
  windara-cli report FILE --engineering --pdf OUT [--program-dir DIR] [--answer TEXT]...
  windara-cli explain FILE [--json] [--program-dir DIR] [--answer TEXT]...
  windara-cli check FILE [--json] [--program-dir DIR] [--answer TEXT]...
              [--standard iec|ieee|all] [--burden 5ohm|2.5VA@0.8|B-0.5]
              [--alf 10] [--kx 1.5]
  windara-cli template smps|trad|hall [--program-dir DIR]
  windara-cli check-tables [--program-dir DIR] [--json]
  windara-cli sweep FILE --vary BOX=FROM:TO:COUNT[:log] [--vary BOX=...]
              [--csv [--captions] | --json] [--out PATH] [--program-dir DIR]
              [--answer TEXT]...
  windara-cli advise FILE [--class C] [--turns N | --turns-range A:B] [--max-od IN]
              [--max-height IN] [--min-hole IN] [--max-fs X] [--max-losses MW]
              [--thinnest-awg G] [--rating 5P20|PX|0.3B0.5|C200|0.5]
              [--burden 5ohm|2.5VA@0.8|B-0.5] [--kx K] [--knee-volts V]
              [--max-droop PCT] [--reset-volts V]
              [--max-offset PCT] [--max-drift PPM] [--count K] [--json]
              [--apply OUT] [--program-dir DIR] [--answer TEXT]...
  windara-cli --help

design    Opens the design file FILE (.sps, .tct or .hef; "-" reads it from
          standard input) on the program's start state, exactly as Open Design
          does, runs every calculation that causes and prints the result.
report    Opens FILE as design does and prints the design's report: as plain
          text on standard output, or with --pdf as a PDF file on A4 or
          Letter paper as the locale measures. With
          --engineering, writes the engineering report into the PDF instead:
          inputs, results, checks and the candidate cores around the one
          taken, on A4 or Letter paper as the locale measures.
explain   Opens FILE as design does and explains its last calculation: every
          core of the table the search walks, judged against each
          requirement, the core taken, and when none fits, the nearest one
          and the change of one input that makes a core fit; for a
          Traditional design, the accuracy class each core that fits reaches.
check     Opens FILE as design does and checks the core its last calculation
          chose with the material data of Materials.txt: IEC 61869-2 ratio
          error, phase displacement and class (Traditional), flux swing, droop,
          reset and cut-off (SMPS), fringing, saturation, offset and drift
          (Hall Effect). design --json gives the same as its "checks" key.
          With --standard, --burden, --alf or --kx, also the IEC 61869-2 and
          IEEE C57.13 ratings of a Traditional core at that burden (by
          default the design's own).
template  Prints a design file of the given type holding that type's default
          inputs, ready to edit.
check-tables
          Checks TWC.txt, Ferrite.txt and Hall.txt against what the core
          searches rely on and prints every breach, one per line: file, row,
          field, what is wrong and what it does to the designs (with --json,
          one object: "ok" and the findings). Exit status 0 when all hold, 1
          when any breach is found, 2 when a table cannot be opened.
sweep     Opens FILE as design does, then calculates it at COUNT values of
          the input box BOX from FROM to TO (evenly spaced, or with :log in
          equal ratios; FROM may be larger than TO), or at every pair of
          values of two --vary. Each point is what opening the design with
          that value typed in and pressing Calculate gives; a value the
          design would ask for again is marked invalid. One line per point,
          as CSV (the default) or with --json as one JSON object. BOX is one
          of txtVoltage, txtFrequency, txtPriCurrent, txtCurDens, txtRatio,
          txtDutyCyc; COUNT is 2 to 1,000,000. The core tables are read once
          at the start: an edit of a table during a sweep is not seen.
advise    Opens FILE as design does and takes its rated current, frequency,
          burden or output voltage, sensor and conductor as the requirement,
          with the options below. Searches every alloy and thickness (or
          grade, or material), core, wire gauge and number of turns, each
          calculated and checked as Calculate would, and prints the smallest
          cores that meet it, best first, each with the inputs that choose
          it; when none does, why. The best K of each alloy, grade or
          material are kept (--count, default 3). --apply OUT writes the
          best as a design file that design reproduces.

Options:
  --json             Print the result as one JSON object (design: inputs,
                     choices, outputs, every message and input box, in
                     order, and the checks; explain: requirements, rows,
                     chosen row, advice; sweep: the points).
  --answer TEXT      Answer for the next input box the calculation shows; give
                     it once per box, in order. TEXT is taken as it stands,
                     even when empty or starting with '-'; --answer=TEXT works
                     too.
  --save OUT         Afterwards save the design to OUT as Save Design As does.
  --pdf OUT          report: draw the report into the PDF file OUT instead of
                     printing text; an existing OUT is replaced only by a
                     complete new file.
  --vary BOX=FROM:TO:COUNT[:log]
                     sweep: the input to vary; FROM and TO with the locale's
                     decimal separator or a period.
  --csv              sweep: CSV with one header line (the default).
  --captions         sweep: under the CSV's header line of box names, a second
                     line of each column's caption in the design's mode, with
                     its unit.
  --out PATH         sweep: write the points to PATH instead of standard
                     output; an existing PATH is replaced only by a complete
                     new file.
  --engineering      report: the engineering report; needs --pdf OUT.
  --class C          advise, Traditional: the IEC 61869-2 measuring class
                     wanted (0.1, 0.2S, 0.2, 0.5S, 0.5, 1, 3, 5) or any (the
                     default).
  --turns N, --turns-range A:B
                     advise: the secondary (Hall Effect: primary) turns, fixed
                     or free within A to B (defaults: Traditional 10:5000,
                     SMPS 10:1000, Hall Effect 1:10).
  --max-od IN, --max-height IN, --min-hole IN
                     advise: the largest core OD and height, the smallest hole
                     left for the primary conductor, in inches.
  --max-fs X, --max-losses MW, --thinnest-awg G
                     advise, Traditional: the largest instrument security
                     factor, total losses and wire gauge number.
  --max-droop PCT, --reset-volts V
                     advise, SMPS: the largest droop (default 5 %) and the
                     reset voltage available (default the output voltage).
  --max-offset PCT, --max-drift PPM
                     advise, Hall Effect: the largest hysteresis offset (% of
                     the current, default 1) and sensitivity drift (ppm/K,
                     default 100).
  --apply OUT        advise: write the best candidate to the design file OUT.
  --program-dir DIR  Read TWC.txt, Ferrite.txt, Hall.txt, Materials.txt and the
                     icons from DIR instead of the folder of windara-cli.
  --                 Everything after it is a file name.

Numbers are read and written with the decimal separator of the locale in
LC_ALL, LC_NUMERIC or LANG. Design files hold the inputs as typed; opening
one takes an input that is a number only with the other decimal separator
(a period for a comma, or the reverse) as that number, in the locale's way.

Exit status:
  0  the calculations ran (a design that finds no core is a result too, and
     so is an advise that finds no candidate)
  2  bad arguments, or FILE cannot be opened or read, or OUT (--save, --pdf,
     --out, --apply) cannot be written, or FILE holds no design (check,
     explain, sweep, advise, report --engineering; design and report name it
     on standard error and go on with the start design, as Open Design does)
  3  an input box needed an answer and no --answer was left
)";
}

int runCli(const std::vector<std::string>& args, Environment& env) {
  if (args.empty()) return usage(env, "missing command");
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help" || wantsHelp(rest)) {
    env.out << helpText();
    return kExitOk;
  }
  if (command == "design") return runDesign(rest, env);
  if (command == "template") return runTemplate(rest, env);
  if (command == "report") return runReport(rest, env);
  if (command == "explain") return runExplain(rest, env);
  if (command == "check") return runCheck(rest, env);
  if (command == "check-tables") return runCheckTables(rest, env);
  if (command == "sweep") return runSweep(rest, env);
  if (command == "advise") return runAdvise(rest, env);
  return usage(env, "unknown command " + command);
}

DesignRequest parseDesignRequest(const std::vector<std::string>& argv,
                                 const std::vector<OptionSpec>& extra, const Environment& env) {
  auto specs = designRunOptions();
  specs.insert(specs.end(), extra.begin(), extra.end());
  DesignRequest request;
  request.args = parseArgs(argv, specs);
  if (request.args.positional.size() != 1) throw UsageError("exactly one FILE is needed");
  request.file = request.args.positional[0];
  request.programDir = programDir(request.args, env);
  return request;
}

int withOpenedDesign(const DesignRequest& request, Environment& env,
                     const std::function<int(HeadlessProgram&)>& then) {
  std::optional<StdinCopy> stdinCopy;
  std::string path = request.file;
  std::string shownName = request.file;
  if (request.file == "-") {
    stdinCopy.emplace(env.in);
    if (!stdinCopy->ok()) {
      env.err << "windara-cli: cannot copy standard input to a temporary file\n";
      return kExitUsage;
    }
    path = stdinCopy->path().string();
    shownName = "standard input";
  }

  HeadlessProgram program(request.programDir, env.locale, request.args.all("answer"));
  int status = kExitOk;
  try {
    const FileOutcome opened = program.open(path);
    if (!opened.ok()) {
      env.err << "windara-cli: cannot open the design " << shownName << ": " << opened.reason
              << "\n";
      return kExitUsage;
    }
    if (opened.noDesign) {
      env.err << shownName << " holds no Windara design\n";
      if (!request.showsFileWithoutDesign) return kExitUsage;
    }
    status = then(program);
  } catch (const NoMoreAnswers& e) {
    env.err << "windara-cli: an input box needs an answer (give it with --answer):\n"
            << promptLines(e.prompt) << "\n";
    return kExitNoAnswer;
  }
  if (program.answersLeft() > 0) {
    env.err << "windara-cli: " << program.answersLeft() << " answer(s) left unused\n";
  }
  return status;
}

int runDesign(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  try {
    request = parseDesignRequest(argv, {{"json", false}, {"save", true}}, env);
    request.showsFileWithoutDesign = true;
  } catch (const UsageError& e) {
    return usage(env, std::string("design: ") + e.what());
  }
  const ParsedArgs& args = request.args;
  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    if (args.has("save")) {
      const FileOutcome saved = program.save(args.last("save"));
      if (!saved.ok()) {
        env.err << "windara-cli: cannot save the design to " << args.last("save") << ": "
                << saved.reason << "\n";
        return kExitUsage;
      }
    }
    if (args.has("json")) {
      writeJson(env.out, program.form(), program.events(), checkDesign(program.session()));
    } else {
      writeListing(env.out, program.form(), program.events());
    }
    return kExitOk;
  });
}

int runTemplate(const std::vector<std::string>& argv, Environment& env) {
  ParsedArgs args;
  fs::path dir;
  try {
    args = parseArgs(argv, {{"program-dir", true}});
    if (args.positional.size() != 1) throw UsageError("template needs one of smps, trad, hall");
    dir = programDir(args, env);
  } catch (const UsageError& e) {
    return usage(env, e.what());
  }
  HeadlessProgram program(dir, env.locale);
  try {
    if (!runModeReaction(program, args.positional[0]))
      return usage(env, "unknown design type " + args.positional[0] + " (smps, trad or hall)");
  } catch (const NoMoreAnswers& e) {
    env.err << "windara-cli: the defaults needed an answer:\n" << promptLines(e.prompt) << "\n";
    return kExitNoAnswer;
  }
  writeDesign(env.out, program.form());
  return kExitOk;
}

}  // namespace windara::cli
