#include "advise/trad_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>

#include "advise/parallel.h"
#include "advise/ranking.h"
#include "advise/rating_reason.h"
#include "advise/tape_records.h"
#include "advise/trad_class.h"
#include "advise/trad_words.h"
#include "checks/accuracy_class.h"
#include "sweep/shown_number.h"
#include "wire/wire.h"

// How the search covers every core, and why what it leaves out cannot rank.
//
// A Traditional design takes the first core whose area exceeds A2 = K / Bmax, with
// K = 1e8 R Ip / (4.44 f N^2 x thickness factor), and then, from there, the first whose window
// holds Wreq = N x wire area / 0.2. The checks of the core chosen depend on the core, the
// alloy and thickness, the turns and the wire gauge; Bmax and the current density only
// choose the core and the gauge. So the search goes the other way round: for each alloy and
// thickness, each core and each gauge it works out the Bmax that makes the area search stop
// at that core (or at an earlier one whose window search walks on to it) and the current
// density that gives that gauge, and lets the design itself say whether it landed there.
// No Bmax between grid points can reach a core this misses, because every core a Bmax can
// reach is tried by name.
//
// For one core, alloy and gauge the turns are the one free quantity, and more turns only
// help: the flux at every current falls as (R + Rw) / N^2 falls, so the exciting current,
// and with it every ratio error and phase displacement, shrinks, and the losses fall. So the
// most turns the core's window holds (within the turns allowed) make the best candidate of
// that core and gauge, and fewer turns are tried only where a limit that grows with the
// turns (the instrument security factor) or shrinks with them (the hole left) is exceeded:
// the largest number that keeps it is found by halving. A core that fails the class with the
// most turns it holds fails it with fewer too.
//
// A rating (advise/rating_wanted.h) is judged at its own burden, Zb fixed in ohms or, in VA or
// by IEEE name, growing as N^2 (the impedance of a fixed output at Isr = Ip / N). Either way
// more turns of the same core, alloy and gauge never raise the flux density at a given multiple
// of rated current, B ~ Ip |Rw + Zb| / N^2 with Rw ~ N, and each family's figures grow with it:
// * IEC measuring and IEEE metering: the ratio error, phase displacement, RCF and TCF are the
//   exciting current over the secondary current, Ie / Is = H(B) l / Ip and, for the loss
//   part, P(B) / (4.44 f A B Ip), both growing with B (as for the class above).
// * IEC 5P and 10P: the same at rated current, and the composite error Ie,rms / (ALF Isr) =
//   H,rms(B) l / (ALF Ip) at the flux of E_ALF.
// * PX: the knee lies at a flux density the alloy fixes, so Ek grows as N, while Kx Isr (Rct +
//   Rb) grows at most as N; a fixed Ek asked only gets easier.
// * IEEE class C: 10 % ratio correction at 20 Isr is reached at a field, and so a flux density,
//   the alloy fixes; the e.m.f. there grows as N and the burden it drives as N^2 against a
//   class burden scaled as N^2 and a winding as N.
// So the most turns the window holds are also the best for each rating, and the pruning above
// holds for them. What does not grow with the turns (the security factor, the hole left) is
// still found by halving, and no rating prunes by its margin.
//
// The candidates rank by core volume first, so once `count` cores of an alloy and thickness
// pass, a core of larger volume cannot rank among that alloy's best: the cores are visited
// smallest first and the rest are left.
//
// A run that shows a message is no candidate: the form would not show it as it is, and a core
// not made in 4 mil tape makes the design select 2 mil and calculate again, which clears the
// message but leaves a state of the 2 mil search, found there in its own right.
//
// The halving for a limit that grows or shrinks with the turns runs only where the most turns
// meet the class (fewer cannot when they do not), so it costs some twenty calculations for
// each such core and gauge, and the most turns are kept as a failing candidate: they tell how
// near the core came when nothing passes. Failing candidates are kept as many whatever the
// count, and worked out on every point before they are ranked.
//
// Edges: Bmax is aimed inside its interval by a relative 1e-6 from either end, so an interval
// narrower than that (two cores whose areas differ by less) is not aimed at; the design would
// have to tell such cores apart by rounding alone.

namespace windara {

namespace {

class ComboSearch {
 public:
  ComboSearch(const SearchData& data, const TradRequirement& req, const TapeCombo& combo,
              const std::vector<TapeRecord>& records)
      : req_(req),
        combo_(combo),
        records_(records),
        runner_(data, kTypeTraditional, combo.material, combo.mils),
        locale_(data.locale),
        k_(1e8 * req.burdenOhms * req.ratedAmps / (4.44 * req.frequencyHz * combo.factor)) {}

  void run(std::size_t count) {
    std::vector<std::size_t> order(records_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
      order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return records_[a].volume < records_[b].volume;
    });
    const int thinnest = std::min(42, req_.thinnestAwg.value_or(42));
    for (std::size_t i : order) {
      if (passing.size() >= count && records_[i].volume > passing[count - 1].volumeCm3) break;
      std::optional<Candidate> best;
      for (int awg = 12; awg <= thinnest; ++awg) {
        std::optional<Candidate> c = tryCore(i, awg);
        if (!c) continue;
        if (!c->pass) {
          keepFailing(std::move(*c));
        } else if (!best || c->margin > best->margin) {
          best = std::move(c);
        }
      }
      if (best) passing.push_back(std::move(*best));
    }
    compactFailing();
  }

  std::vector<Candidate> passing;
  std::vector<Candidate> failing;
  std::int64_t runs() const { return runner_.runs(); }

 private:
  // The inputs that make the design choose record `i` with gauge `awg` and `turns` turns,
  // or nothing when no Bmax the alloy allows does.
  std::optional<std::array<std::string, 6>> texts(std::size_t i, int awg, int turns) const {
    const double n = turns;
    const double wire = static_cast<float>(wireTable()[awg].diameterIn);
    const double windowNeeded = n * 3.14 * std::pow(wire * 2.54 / 2, 2) / 0.2;
    // The record the area search must stop at: `i` itself, or the nearest earlier one from
    // which the window search walks on to `i`.
    std::optional<std::string> bmax;
    if (records_[i].window < windowNeeded) return std::nullopt;
    for (std::size_t q = i + 1; q-- > 0 && !bmax;) {
      const TapeRecord& at = records_[q];
      // From an earlier record the window search walks on only past windows too small, and
      // stops at `i` only when its window exceeds what is needed.
      if (q < i && (at.window >= windowNeeded || records_[i].window <= windowNeeded)) break;
      if (at.area > at.areaBefore) bmax = bmaxFor(at, n);
    }
    if (!bmax) return std::nullopt;
    // The gauge's formula solved for the current density, at the middle of the gauge.
    const double secondary = static_cast<float>(req_.ratedAmps / n);
    const double density = 1.889 * secondary * std::exp(awg / 4.31);
    return std::array<std::string, 6>{formatGeneral(req_.burdenOhms, locale_),
                                      formatGeneral(req_.frequencyHz, locale_),
                                      formatGeneral(req_.ratedAmps, locale_),
                                      *bmax,
                                      std::to_string(turns),
                                      plainestBelow(density * 1.0005, density * 0.9995, locale_)};
  }

  // A Bmax for which the first core whose area exceeds K / Bmax is `at`: K / Bmax in
  // [at.areaBefore, at.area), within the alloy's range (0.99, limit].
  std::optional<std::string> bmaxFor(const TapeRecord& at, double turns) const {
    const double k = k_ / (turns * turns);
    const double lowest = std::max(0.99, k / at.area * (1 + 1e-6));
    double highest = combo_.bmaxLimit;
    if (at.areaBefore > 0) highest = std::min(highest, k / at.areaBefore * (1 - 1e-6));
    if (highest <= lowest) return std::nullopt;
    return plainestBelow(highest, lowest, locale_);
  }

  // The most turns record `i`'s window holds with that gauge.
  int turnsHeld(std::size_t i, int awg) const {
    const double wire = static_cast<float>(wireTable()[awg].diameterIn);
    const double area = 3.14 * std::pow(wire * 2.54 / 2, 2);
    return static_cast<int>(std::min(1e9, std::floor(0.2 * records_[i].window / area)));
  }

  bool landed(std::size_t i, int awg) {
    if (!runner_.quiet()) return false;
    const std::string& core = runner_.output(&Form::txtCore);
    return core.starts_with(records_[i].stem + "-") &&
           runner_.output(&Form::txtWireSize) == std::to_string(awg);
  }

  // Calculates with the most turns up to `turns` that land on record `i` (a few below it
  // when rounding puts the window just out of reach); the turns it landed with, or 0.
  int landAt(std::size_t i, int awg, int turns) {
    int n = turns;
    for (int tries = 0; tries < 4 && n >= req_.turns.lowest; ++tries) {
      const auto t = texts(i, awg, n);
      if (!t) {
        // Too many turns for this core's area: the largest that a Bmax of 0.99 G still lets
        // pass the smaller cores before it.
        const double before = records_[i].areaBefore;
        if (tries > 0 || before <= 0) return 0;
        const int most = static_cast<int>(std::floor(std::sqrt(k_ / (0.99 * before))));
        if (most >= n) return 0;
        n = most;
        continue;
      }
      runner_.run(*t);
      if (landed(i, awg)) return n;
      --n;
    }
    return 0;
  }

  // Whether the limits that grow or shrink with the turns hold for the last run.
  bool turnsLimitsHold() {
    if (req_.minHoleIn) {
      const auto hole = shownNumber(runner_.output(&Form::txtResID), locale_);
      if (!hole || *hole < *req_.minHoleIn) return false;
    }
    if (req_.maxSecurityFactor) {
      const auto d = runner_.checks();
      if (!d || !d->trad || d->trad->securityFactor > *req_.maxSecurityFactor) return false;
    }
    return true;
  }

  std::optional<Candidate> tryCore(std::size_t i, int awg) {
    const int most = std::min(req_.turns.highest, turnsHeld(i, awg));
    if (most < req_.turns.lowest) return std::nullopt;
    int turns = landAt(i, awg, most);
    if (turns == 0) return std::nullopt;
    if ((req_.minHoleIn || req_.maxSecurityFactor) && !turnsLimitsHold()) {
      // The most turns hold the class best: failing the limit, this one still tells how near
      // the core came, and when it misses the class too, fewer turns cannot reach it.
      Candidate most = judge(i, turns);
      if (!most.meetsClass) return most;
      keepFailing(std::move(most));
      // The largest number of turns that keeps the limits, by halving: they hold for fewer
      // turns when they fail for more.
      int low = req_.turns.lowest - 1;  // holds (or lands nowhere)
      int high = turns;                 // fails
      while (high - low > 1) {
        const int mid = low + (high - low) / 2;
        const int at = landAt(i, awg, mid);
        if (at == 0 || turnsLimitsHold()) {
          low = mid;
        } else {
          high = mid;
        }
      }
      const int kept = low >= req_.turns.lowest ? landAt(i, awg, low) : 0;
      if (kept == 0) return std::nullopt;  // kept above as it fails
      turns = kept;
    }
    return judge(i, turns);
  }

  Candidate judge(std::size_t i, int turns) {
    Candidate c = runner_.describe();
    const TapeRecord& rec = records_[i];
    c.group = combo_.alloy;
    c.turns = turns;
    c.volumeCm3 = rec.volume;
    const std::optional<DesignChecks> d = runner_.checks();
    if (!d || !d->trad) {
      c.margin = -std::numeric_limits<double>::infinity();
      c.tightest = d ? d->unavailable : "no checks";
      return c;
    }
    c.material = d->material;
    if (req_.rating) {
      rate(c);
    } else {
      c.className = d->trad->verdict.className;
      c.meetsClass = meetsWanted(runner_, *d->trad, req_.className);
      c.margin = d->trad->verdict.tightest.margin;
      c.tightest = limitWords(d->trad->verdict.tightest, locale_);
    }
    c.securityFactor = d->trad->securityFactor;
    const auto above = [&](std::optional<double> limit, double value, const char* what,
                           const std::string& shown) {
      if (limit && value > *limit)
        c.missed.push_back(std::string(what) + " " + shown + " above " +
                           formatGeneral(*limit, locale_));
    };
    above(req_.maxOdIn, rec.od, "OD", formatPattern(rec.od, "0.000", locale_) + " in");
    above(req_.maxHeightIn, rec.height, "height",
          formatPattern(rec.height, "0.000", locale_) + " in");
    above(req_.maxSecurityFactor, c.securityFactor.value_or(0), "security factor",
          formatPattern(c.securityFactor.value_or(0), "0.0", locale_));
    above(req_.maxLossesMw, shownNumber(c.losses, locale_).value_or(0), "losses", c.losses + " mW");
    if (req_.minHoleIn) {
      const double hole = shownNumber(c.hole, locale_).value_or(0);
      if (hole < *req_.minHoleIn)
        c.missed.push_back("hole " + c.hole + " in below " +
                           formatGeneral(*req_.minHoleIn, locale_));
    }
    c.pass = c.meetsClass && c.missed.empty();
    return c;
  }

  // The rating wanted, as the ratings judge the last run's core.
  void rate(Candidate& c) const {
    const auto ratings =
        runner_.ratings(ratingRequest(*req_.rating), ratingKind(req_.rating->family));
    if (!ratings || !ratings->checks) {
      c.margin = -std::numeric_limits<double>::infinity();
      c.tightest = ratings ? ratings->unavailable : "no ratings";
      return;
    }
    const RatingJudgement j = judgeRating(*req_.rating, *ratings->checks, locale_);
    c.className = j.reached;
    c.meetsClass = j.meets;
    c.margin = j.margin;
    c.tightest = j.words;
    c.relaxation = j.relaxation;
  }

  // The nearest failing candidates, kept as many whatever the count asked.
  void keepFailing(Candidate c) {
    failing.push_back(std::move(c));
    if (failing.size() > 4 * kFailingKept) compactFailing();
  }

  void compactFailing() {
    std::stable_sort(failing.begin(), failing.end(), failsLess);
    if (failing.size() > kFailingKept) failing.resize(kFailingKept);
  }

  static constexpr std::size_t kFailingKept = 16;

  const TradRequirement& req_;
  const TapeCombo& combo_;
  const std::vector<TapeRecord>& records_;
  CandidateRunner runner_;
  NumberLocale locale_;
  double k_;  // K x N^2: the area a 2 mil core must exceed is k_ / (N^2 Bmax)
};

}  // namespace

Advice adviseTrad(const SearchData& data, const TradRequirement& req, std::size_t count,
                  int threads) {
  Advice advice;
  const TapeCoreTable& table = data.tables->tapeCores;
  if (!table.ok()) {
    advice.reason = table.problem;
    return advice;
  }
  const std::vector<TapeRecord> records = tapeRecords(table, data.locale);
  std::vector<Candidate> passing;
  std::vector<Candidate> failing;
  std::mutex lock;
  runOnThreads(std::size(kCombos), threads, [&](std::size_t k) {
    ComboSearch search(data, req, kCombos[k], records);
    search.run(count);
    const std::lock_guard guard(lock);
    advice.searched += search.runs();
    std::move(search.passing.begin(), search.passing.end(), std::back_inserter(passing));
    std::move(search.failing.begin(), search.failing.end(), std::back_inserter(failing));
  });
  if (takeBest(advice, std::move(passing), count)) return advice;
  // Without a class the figures alone name a different tightest check than the window's
  // checks do: every candidate kept is worked out in full before they are ranked and cut, so
  // that the best reached does not depend on how many are shown.
  for (Candidate& c : failing) {
    CandidateRunner runner(data, kTypeTraditional, c.state.material, c.state.thickness);
    runner.run(c.state.texts);
    const std::optional<DesignChecks> d = runner.checks(CheckDetail::Full);
    if (!d || !d->trad) continue;
    // A rating's margin is already the ratings' own, worked out in full.
    if (req.rating) continue;
    c.margin = d->trad->verdict.tightest.margin;
    c.tightest = limitWords(d->trad->verdict.tightest, data.locale);
  }
  std::stable_sort(failing.begin(), failing.end(), failsLess);
  std::map<std::string, std::size_t> kept;
  std::erase_if(failing, [&](const Candidate& c) { return kept[c.group]++ >= count; });
  for (Candidate& c : failing) {
    // A relaxation alone lets a candidate pass only when it misses no other limit.
    if (c.meetsClass || !c.missed.empty()) continue;
    CandidateRunner runner(data, kTypeTraditional, c.state.material, c.state.thickness);
    if (req.rating) {
      if (c.relaxation.empty()) c.relaxation = ratingRelaxation(runner, c, *req.rating);
      continue;
    }
    // The burden is the application's, but how far it is from holding the class is the
    // clearest measure of the gap.
    if (const auto ohms = largestBurden(runner, c, req.className))
      c.relaxation = "it holds " + (req.className.empty() ? "a class" : "class " + req.className) +
                     " up to a burden of " + formatPattern(*ohms, "0.000", data.locale) + " ohm";
  }
  advice.reason = tradReason(failing, req, data.locale);
  advice.candidates = std::move(failing);
  return advice;
}

}  // namespace windara
