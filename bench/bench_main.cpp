// The benchmark program's entry: the usual console output, then the ratios
// that the speed targets are stated in, from the same run.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Target {
  const char* what;
  const char* measured;   // benchmark, or a paired one with a "ratio" counter
  const char* yardstick;  // nullptr for a paired benchmark
  double limit;
};

constexpr Target kTargets[] = {
    {"SMPS design / read of Ferrite.txt (CPU)", "BM_SmpsDesign", "BM_FerriteTableRead", 2.0},
    {"Traditional design / read of TWC.txt (CPU)", "BM_DesignTradCT", "BM_ReadTapeCoreTable", 2.0},
    {"Hall design / read of Hall.txt (CPU)", "BM_DesignHall", "BM_ReadHallFile", 2.0},
    {"SMPS explain / design, core found (CPU)", "BM_SmpsExplain/0", "BM_SmpsDesignCase/0", 3.0},
    {"SMPS explain / design, no core, advice (CPU)", "BM_SmpsExplain/1", "BM_SmpsDesignCase/1",
     3.0},
    {"Traditional checks / design (CPU, paired)", "BM_PairChecksDesign/0", nullptr, 2.0},
    {"SMPS checks / design (CPU, paired)", "BM_PairChecksDesign/1", nullptr, 2.0},
    {"Hall checks / design (CPU, paired)", "BM_PairChecksDesign/2", nullptr, 2.0},
    {"Traditional checks / design, tormix case (CPU, paired)", "BM_PairChecksDesign/3", nullptr,
     2.0},
    {"windara-cli design .sps / QCoreApplication (wall)", "BM_PairCliQtCore/smps", nullptr, 1.5},
    {"windara-cli design .tct / QCoreApplication (wall)", "BM_PairCliQtCore/trad", nullptr, 1.5},
    {"windara-cli design .hef / QCoreApplication (wall)", "BM_PairCliQtCore/hall", nullptr, 1.5},
    {"Windara window / empty QMainWindow, shown (wall)", "BM_PairWindowShown", nullptr, 1.3},
    {"sweep of 10,000 points / design, .sps (wall)", "BM_PairSweepDesign/smps", nullptr, 10.0},
    {"sweep of 10,000 points / design, .tct (wall)", "BM_PairSweepDesign/trad", nullptr, 10.0},
    {"sweep of 10,000 points / design, .tct in 0.5S (wall)", "BM_PairSweepDesign/trad_class",
     nullptr, 10.0},
    {"sweep of 10,000 points / design, .hef (wall)", "BM_PairSweepDesign/hall", nullptr, 10.0},
    {"advise, class 0.5, free turns / design, .tct (wall)", "BM_PairAdviseDesign/trad", nullptr,
     50.0},
    {"advise / design, .sps (wall)", "BM_PairAdviseDesign/smps", nullptr, 20.0},
    {"advise / design, .hef (wall)", "BM_PairAdviseDesign/hall", nullptr, 20.0},
};

// Console output as usual, keeping each benchmark's time per iteration (or
// the ratio of a paired one):
// the median when repetitions were asked for, otherwise the single run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(bool color) : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
      if (!median && medians_.count(name)) continue;
      // A program started from here runs on the wall clock; code run in this
      // process counts its own CPU time, which other users of a busy machine
      // do not stretch.
      const bool wall = run.run_name.time_type == "real_time";
      const double seconds = (wall ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) /
                             benchmark::GetTimeUnitMultiplier(run.time_unit);
      const auto ratio = run.counters.find("ratio");
      const double value = ratio != run.counters.end() ? ratio->second.value : seconds;
      if (median)
        medians_[name] = value;
      else
        singles_[name] = value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-52s %8s %7s  %s\n", "ratio (medians)", "measured", "target", "");
    for (const Target& t : kTargets) {
      const double* a = find(t.measured);
      const double* b = t.yardstick ? find(t.yardstick) : nullptr;
      if (!a || (t.yardstick && !b)) continue;
      const double ratio = b ? *a / *b : *a;
      std::printf("%-52s %8.2f %7.2f  %s\n", t.what, ratio, t.limit,
                  ratio < t.limit ? "met" : "MISSED");
    }
  }

 private:
  const double* find(const std::string& name) const {
    if (auto it = medians_.find(name); it != medians_.end()) return &it->second;
    if (auto it = singles_.find(name); it != singles_.end()) return &it->second;
    return nullptr;
  }

  std::map<std::string, double> medians_;
  std::map<std::string, double> singles_;
};

// Colours only on a terminal, and never when asked for none.
bool wantsColor(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--benchmark_color=false" || a == "--benchmark_color=no" || a == "--benchmark_color=0")
      return false;
  }
  return isatty(STDOUT_FILENO) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool color = wantsColor(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(color);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
