#include "advise/smps_search.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

#include "advise/judged_limits.h"
#include "advise/parallel.h"
#include "advise/ranking.h"
#include "common/number.h"
#include "designs/tables/core_tables.h"
#include "sweep/shown_number.h"
#include "wire/wire.h"

// How the search covers every core, and why what it leaves out cannot rank.
//
// An SMPS design takes the first row whose hole exceeds (N / 3.14 + 1) d, and from there the
// first whose inductance with N turns reaches what the on-time asks. The grade and the turns
// are tried one by one; the wire only moves the hole search, so for each number of turns the
// gauges are walked from the thinnest the current density allows to the thickest, and a gauge
// is calculated only when it moves the hole search to a row the calculations before it had
// not yet passed: from any row between the first a calculation started at and the row it
// chose, the inductance search ends on that same row.
//
// The checks do not depend on the wire, and for one core and grade more turns only help: the
// flux swing and the droop fall as 1 / N, the reset voltage asked stays the same, and the
// thinnest wire allowed (the largest hole left) grows thinner. So the turns are walked from
// the most allowed down, and a core reached again with fewer turns is not checked again; once
// every row from some row on has been reached, a hole search starting there is not calculated.
// The candidates rank by core volume first, so once `count` cores of a grade pass, a row whose
// every possible core (it or any later one) is larger than theirs is not calculated.
//
// Edge: a core reached again with fewer turns is skipped even under a smallest hole, where
// fewer turns leave a larger hole; the first landing, with the most turns, is taken as best.

namespace windara {

namespace {

constexpr const char* kGrades[] = {"P", "Q", "R"};

struct FerriteRow {
  double hole = 0;  // the winding's inside diameter, field 10
  double od = 0;
  double volume = 0;
  double smallestFromHere = 0;       // the least volume of this row and every later one
  std::array<std::string, 3> parts;  // txtCore per grade
};

std::vector<FerriteRow> ferriteRows(const FerriteTable& t, const NumberLocale& locale) {
  std::vector<FerriteRow> rows;
  for (int i = 1; i <= kFerriteRows; ++i) {
    FerriteRow r;
    const auto hole = comparable(t.at(i, 10));
    const auto id = comparable(t.at(i, 2));
    const auto od = comparable(t.at(i, 3));
    const auto height = comparable(t.at(i, 4));
    if (!hole || *hole >= 999) break;
    r.hole = *hole;
    r.od = od.value_or(0);
    r.volume = toroidVolumeCm3(id.value_or(0), r.od, height.value_or(0));
    for (std::size_t g = 0; g < 3; ++g)
      r.parts[g] = t.at(i, 14).generalText(locale) + kGrades[g] + "-" +
                   t.at(i, 1).generalText(locale) + "-GX";
    rows.push_back(r);
  }
  double least = 1e300;
  for (std::size_t i = rows.size(); i-- > 0;)
    rows[i].smallestFromHere = least = std::min(least, rows[i].volume);
  return rows;
}

class GradeSearch {
 public:
  GradeSearch(const SearchData& data, const SmpsRequirement& req, int grade,
              const std::vector<FerriteRow>& rows)
      : req_(req),
        grade_(grade),
        rows_(rows),
        runner_(data, kTypeSMPS, grade + 1, 0),
        locale_(data.locale) {}

  void run(std::size_t count) {
    std::map<std::size_t, bool> checked;  // rows reached, with more turns first
    std::vector<double> passed;           // volumes of the passing cores, ascending
    for (int n = req_.turns.highest; n >= req_.turns.lowest; --n) {
      // The gauge the design gives at the largest current density, worked out as it does:
      // in single precision, rounded half to even.
      const float secondary =
          static_cast<float>(static_cast<double>(static_cast<float>(req_.peakAmps)) / n);
      const double raw = -4.31 * std::log(static_cast<double>(secondary) * 1.889 /
                                          static_cast<float>(req_.maxCurrentDensity));
      const int thinnest = std::clamp(static_cast<int>(std::nearbyint(raw)), 12, 42);
      std::ptrdiff_t passedUpTo = -1;
      std::ptrdiff_t lastHoleRow = -1;
      for (int awg = thinnest; awg >= 12; --awg) {
        const float wire = static_cast<float>(wireTable()[awg].diameterIn);
        const float needed = static_cast<float>((n / 3.14 + 1) * wire);
        const auto it = std::find_if(rows_.begin(), rows_.end(),
                                     [&](const FerriteRow& r) { return r.hole > needed; });
        if (it == rows_.end()) break;
        const std::ptrdiff_t holeRow = it - rows_.begin();
        if (holeRow == lastHoleRow || holeRow <= passedUpTo) continue;
        // Every row from here on was reached with more turns already.
        if (static_cast<std::size_t>(holeRow) >= checkedFrom(checked)) continue;
        lastHoleRow = holeRow;
        if (passed.size() >= count && it->smallestFromHere > passed[count - 1]) break;
        const double density = 1.889 * secondary * std::exp(awg / 4.31);
        runner_.run({formatGeneral(req_.outputVolts, locale_),
                     formatGeneral(req_.frequencyKhz, locale_),
                     formatGeneral(req_.peakAmps, locale_),
                     formatGeneral(req_.maxDutyCycle, locale_), std::to_string(n),
                     plainestBelow(std::min(density * 1.0005, req_.maxCurrentDensity),
                                   density * 0.9995, locale_)});
        if (!runner_.found()) continue;
        const std::string& core = runner_.output(&Form::txtCore);
        const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const FerriteRow& r) {
          return r.parts[static_cast<std::size_t>(grade_)] == core;
        });
        if (row == rows_.end()) continue;
        const auto index = static_cast<std::size_t>(row - rows_.begin());
        passedUpTo = static_cast<std::ptrdiff_t>(index);
        if (checked.contains(index)) continue;
        checked[index] = true;
        Candidate c = judge(n, *row);
        if (c.pass) {
          passed.insert(std::upper_bound(passed.begin(), passed.end(), c.volumeCm3), c.volumeCm3);
          passing.push_back(std::move(c));
        } else {
          failing.push_back(std::move(c));
        }
      }
    }
  }

  std::vector<Candidate> passing;
  std::vector<Candidate> failing;
  std::int64_t runs() const { return runner_.runs(); }

 private:
  // The first row from which every row to the end was reached.
  std::size_t checkedFrom(const std::map<std::size_t, bool>& checked) const {
    std::size_t from = rows_.size();
    while (from > 0 && checked.contains(from - 1))
      --from;
    return from;
  }

  Candidate judge(int turns, const FerriteRow& row) {
    Candidate c = runner_.describe();
    c.group = kGrades[grade_];
    c.turns = turns;
    c.volumeCm3 = row.volume;
    const std::optional<DesignChecks> d = runner_.checks();
    if (!d || !d->smps) {
      c.margin = -1e300;
      c.tightest = d ? d->unavailable : "no checks";
      return c;
    }
    c.material = d->material;
    const SmpsChecks& s = *d->smps;
    c.droopPercent = s.droopExactPercentMinAL;
    judgeFigures(
        c,
        {{"droop", s.droopExactPercentMinAL, req_.maxDroopPercent, " %"},
         {"flux swing", s.resetFluxSwingGauss, s.fluxSwingLimitGauss, " G"},
         {"reset voltage", s.resetVoltsNeeded, req_.resetVolts.value_or(req_.outputVolts), " V"}},
        locale_);
    if (req_.maxOdIn && row.od > *req_.maxOdIn)
      c.missed.push_back("OD " + formatPattern(row.od, "0.000", locale_) + " in above " +
                         formatGeneral(*req_.maxOdIn, locale_));
    if (req_.minHoleIn) {
      const double hole = shownNumber(c.hole, locale_).value_or(0);
      if (hole < *req_.minHoleIn)
        c.missed.push_back("hole " + c.hole + " in below " +
                           formatGeneral(*req_.minHoleIn, locale_));
    }
    c.pass = c.meetsClass && c.missed.empty();
    return c;
  }

  const SmpsRequirement& req_;
  int grade_;
  const std::vector<FerriteRow>& rows_;
  CandidateRunner runner_;
  NumberLocale locale_;
};

}  // namespace

Advice adviseSmps(const SearchData& data, const SmpsRequirement& req, std::size_t count,
                  int threads) {
  Advice advice;
  const FerriteTable& table = data.tables->ferrite;
  if (!table.ok()) {
    advice.reason = table.problem;
    return advice;
  }
  const std::vector<FerriteRow> rows = ferriteRows(table, data.locale);
  std::vector<Candidate> passing;
  std::vector<Candidate> failing;
  std::mutex lock;
  runOnThreads(std::size(kGrades), threads, [&](std::size_t g) {
    GradeSearch search(data, req, static_cast<int>(g), rows);
    search.run(count);
    const std::lock_guard guard(lock);
    advice.searched += search.runs();
    std::move(search.passing.begin(), search.passing.end(), std::back_inserter(passing));
    std::move(search.failing.begin(), search.failing.end(), std::back_inserter(failing));
  });
  if (!takeBest(advice, std::move(passing), count))
    takeNearest(advice, std::move(failing), count, data.locale);
  return advice;
}

}  // namespace windara
