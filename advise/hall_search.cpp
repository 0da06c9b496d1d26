#include "advise/hall_search.h"

#include <limits>
#include <mutex>

#include "advise/judged_limits.h"
#include "advise/parallel.h"
#include "advise/ranking.h"
#include "sweep/shown_number.h"

// A Hall-effect design leaves only the material and the primary turns free (the sensor and
// the conductor are given), and there are few of both: every pair is calculated.

namespace windara {

namespace {

constexpr const char* kMaterials[] = {"Ovimax", "Zendra", "Ferrite"};

Candidate judge(CandidateRunner& runner, const HallRequirement& req, std::size_t material,
                int turns) {
  Candidate c = runner.describe();
  const NumberLocale& locale = runner.locale();
  c.group = kMaterials[material];
  c.turns = turns;
  const auto dimension = [&](TextBox Form::*box) {
    return shownNumber(runner.output(box), locale).value_or(0);
  };
  const double od = dimension(&Form::txtOD);
  c.volumeCm3 = toroidVolumeCm3(dimension(&Form::txtID), od, dimension(&Form::txtHt));
  const std::optional<DesignChecks> d = runner.checks();
  if (!d || !d->hall) {
    c.margin = -std::numeric_limits<double>::infinity();
    c.tightest = d ? d->unavailable : "no checks";
    return c;
  }
  c.material = d->material;
  const HallChecks& h = *d->hall;
  if (h.coreFluxGauss > 0) c.saturationMargin = h.saturationGauss / h.coreFluxGauss - 1;
  judgeFigures(c,
               {{"core flux", h.coreFluxGauss, h.saturationGauss, " G"},
                {"hysteresis offset", 100 * h.hysteresisOffsetAmps / req.maxAmps,
                 req.maxOffsetPercent, " %"},
                {"sensitivity drift", h.driftPpmPerKelvin, req.maxDriftPpmPerK, " ppm/K"}},
               locale);
  if (req.maxOdIn && od > *req.maxOdIn)
    c.missed.push_back("OD " + runner.output(&Form::txtOD) + " in above " +
                       formatGeneral(*req.maxOdIn, locale));
  c.pass = c.meetsClass && c.missed.empty();
  return c;
}

}  // namespace

Advice adviseHall(const SearchData& data, const HallRequirement& req, std::size_t count,
                  int threads) {
  Advice advice;
  if (!data.tables->hall.ok()) {
    advice.reason = data.tables->hall.problem;
    return advice;
  }
  std::vector<Candidate> passing;
  std::vector<Candidate> failing;
  std::mutex lock;
  runOnThreads(std::size(kMaterials), threads, [&](std::size_t m) {
    CandidateRunner runner(data, kTypeHall, static_cast<int>(m) + 1, 0);
    std::vector<Candidate> found;
    for (int n = req.turns.lowest; n <= req.turns.highest; ++n) {
      runner.run({formatGeneral(req.sensorMaxVolts, data.locale),
                  formatGeneral(req.sensitivityMvPerGauss, data.locale),
                  formatGeneral(req.maxAmps, data.locale),
                  formatGeneral(req.sensorThicknessMm, data.locale), std::to_string(n),
                  formatGeneral(req.conductorIn, data.locale)});
      if (runner.found()) found.push_back(judge(runner, req, m, n));
    }
    const std::lock_guard guard(lock);
    advice.searched += runner.runs();
    for (Candidate& c : found)
      (c.pass ? passing : failing).push_back(std::move(c));
  });
  if (!takeBest(advice, std::move(passing), count))
    takeNearest(advice, std::move(failing), count, data.locale);
  return advice;
}

}  // namespace windara
