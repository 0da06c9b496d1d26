// The engineering checks of one design beside the design itself, on the same form. The
// checks run the design's engine again (reading its core table afresh), read Materials.txt
// and work the checks out; the design validates, reads its table, searches and writes the
// boxes. Argument: 0 Traditional (alloy S, 2 mil), 1 SMPS, 2 Hall Effect, each with the
// defaults its mode writes; 3 Traditional with the inputs of the trad-tormix-1mil case.

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "app/app.h"
#include "app/design_checks.h"
#include "checks/materials.h"
#include "common/scripted_dialogs.h"
#include "designs/hall/design_hall.h"
#include "designs/smps/design_smps.h"
#include "designs/trad/design_trad.h"

namespace {

void (*const kDesigns[])(windara::Session&) = {windara::DesignTradCT, windara::DesignSMPS,
                                               windara::DesignHall, windara::DesignTradCT};

// A program switched to the mode of `type` as a click does: its defaults, calculated once.
struct Rig {
  explicit Rig(int type) : session(dialogs, WINDARA_PROGRAM_DIR), app(session) {
    windara::Form& f = session.form;
    windara::OptionButton* buttons[] = {&f.optTradCT, &f.optSMPS, &f.optHall, &f.optTradCT};
    f.select(*buttons[type]);
    // SMPS is the start mode, which selecting again does not calculate.
    app.cmdCalculate_Click();
    if (type == 3) {
      // The trad-tormix-1mil case: 80 % nickel-iron in 1 mil tape, errors of a few percent.
      f.select(f.optRperm);
      f.select(f.opt1mil);
      windara::TextBox* boxes[] = {&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent,
                                   &f.txtCurDens, &f.txtRatio,     &f.txtDutyCyc};
      const char* texts[] = {"5", "60", "10", "400", "100", "5000"};
      for (int i = 0; i < 6; ++i)
        boxes[i]->text = texts[i];
      app.cmdCalculate_Click();
    }
  }
  // Why the case is not what it should time, or nullptr.
  const char* unfit() const {
    if (!dialogs.events().empty()) return "the defaults showed a message";
    const std::optional<windara::DesignChecks> d = windara::checkDesign(session);
    if (!d) return "no core to check";
    if (!d->available()) return "the checks are unavailable";
    return nullptr;
  }
  windara::ScriptedDialogs dialogs;
  windara::Session session;
  windara::App app;
};

void BM_DesignForChecks(benchmark::State& state) {
  Rig rig(static_cast<int>(state.range(0)));
  if (const char* why = rig.unfit()) return state.SkipWithError(why);
  const auto design = kDesigns[state.range(0)];
  for (auto _ : state) {
    design(rig.session);
    benchmark::DoNotOptimize(rig.session.form.txtCore.text);
  }
}
BENCHMARK(BM_DesignForChecks)->DenseRange(0, 3);

void BM_CheckDesign(benchmark::State& state) {
  Rig rig(static_cast<int>(state.range(0)));
  if (const char* why = rig.unfit()) return state.SkipWithError(why);
  for (auto _ : state) {
    const std::optional<windara::DesignChecks> d = windara::checkDesign(rig.session);
    benchmark::DoNotOptimize(d->statusLine.data());
  }
}
BENCHMARK(BM_CheckDesign)->DenseRange(0, 3);

// The part of the checks that the designs do not have: reading Materials.txt.
void BM_ReadMaterials(benchmark::State& state) {
  for (auto _ : state) {
    const windara::MaterialsRead read = windara::readMaterials(WINDARA_PROGRAM_DIR);
    benchmark::DoNotOptimize(read.materials.tapes.data());
  }
}
BENCHMARK(BM_ReadMaterials);

// This thread's CPU time, in microseconds.
double cpuMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The two timed turn about, a batch of each per iteration, so that the load of a shared
// machine falls on both alike. Reports the median CPU time per call of each (us) and their
// ratio.
void BM_PairChecksDesign(benchmark::State& state) {
  Rig rig(static_cast<int>(state.range(0)));
  if (const char* why = rig.unfit()) return state.SkipWithError(why);
  const auto design = kDesigns[state.range(0)];
  constexpr int kBatch = 10;
  std::vector<double> times[2];
  auto timeOne = [&](int which) {
    const double start = cpuMicros();
    for (int i = 0; i < kBatch; ++i) {
      if (which == 0) {
        const std::optional<windara::DesignChecks> d = windara::checkDesign(rig.session);
        benchmark::DoNotOptimize(d->statusLine.data());
      } else {
        design(rig.session);
        benchmark::DoNotOptimize(rig.session.form.txtCore.text);
      }
    }
    times[which].push_back((cpuMicros() - start) / kBatch);
  };
  int turn = 0;
  for (auto _ : state) {
    timeOne(turn);
    timeOne(1 - turn);
    turn = 1 - turn;
  }
  const double checks = median(times[0]);
  const double designs = median(times[1]);
  state.counters["checks_us"] = checks;
  state.counters["design_us"] = designs;
  state.counters["ratio"] = checks / designs;
}
BENCHMARK(BM_PairChecksDesign)->DenseRange(0, 3);

}  // namespace
