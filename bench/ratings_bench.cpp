// All the IEC 61869-2 and IEEE C57.13 ratings of a Traditional design beside the design itself,
// on the same form: the ratings run the design's engine again (its core table read afresh),
// read Materials.txt and judge every class family at the design's burden, with a PX Kx of 1.5.
// Argument: 0 the Traditional defaults (alloy S, 2 mil), 1 the inputs of the trad-tormix-1mil
// case.

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include "app/app.h"
#include "app/design_checks.h"
#include "app/design_ratings.h"
#include "common/scripted_dialogs.h"
#include "designs/trad/design_trad.h"

namespace {

struct TradRig {
  explicit TradRig(int tormix) : session(dialogs, WINDARA_PROGRAM_DIR), app(session) {
    windara::Form& f = session.form;
    f.select(f.optTradCT);
    if (tormix) {
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
  const char* unfit() const {
    if (!dialogs.events().empty()) return "the design showed a message";
    const auto r = windara::rateDesign(session, request);
    if (!r || !r->checks) return "no ratings";
    return nullptr;
  }
  windara::ScriptedDialogs dialogs;
  windara::Session session;
  windara::App app;
  windara::RatingRequest request{windara::Standards::All, std::nullopt, std::nullopt, 1.5};
};

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

// Turn about, a batch of each per iteration, as the checks' pair: the median CPU time per call
// of each (us) and their ratio.
void BM_PairRatingsDesign(benchmark::State& state) {
  TradRig rig(static_cast<int>(state.range(0)));
  if (const char* why = rig.unfit()) return state.SkipWithError(why);
  constexpr int kBatch = 10;
  std::vector<double> times[2];
  auto timeOne = [&](int which) {
    const double start = cpuMicros();
    for (int i = 0; i < kBatch; ++i) {
      if (which == 0) {
        const auto r = windara::rateDesign(rig.session, rig.request);
        benchmark::DoNotOptimize(r->checks->data());
      } else {
        windara::DesignTradCT(rig.session);
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
  const double ratings = median(times[0]);
  const double design = median(times[1]);
  state.counters["ratings_us"] = ratings;
  state.counters["design_us"] = design;
  state.counters["ratio"] = ratings / design;
}
BENCHMARK(BM_PairRatingsDesign)->DenseRange(0, 1);

}  // namespace
