#include "designs/trad/trad_advice.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "common/checked.h"
#include "wire/wire.h"

namespace windara {

namespace {

constexpr int kThickestGauge = 12;
constexpr int kFinestGauge = 42;
constexpr int kTries = 4;  // values tried beyond a threshold, against rounding on its edge

// The core a single change would have to make fit: the largest before the end marker.
struct Target {
  int record = 0;
  double area = 0.0;    // field 5, sq cm of 2 mil tape
  double window = 0.0;  // field 11, sq cm
};

std::optional<Target> largestRealCore(const TapeCoreTable& table) {
  std::optional<Target> best;
  for (int r = 1; r <= TapeCoreTable::kRecords; ++r) {
    const std::optional<double> area = comparable(table.at(r, kTapeArea2mil));
    const std::optional<double> window = comparable(table.at(r, kTapeWindow));
    if (area == kTapeAreaEnd || window == kTapeWindowEnd) break;
    if (!area || !window) continue;
    if (!best || *area >= best->area) best = Target{r, *area, *window};
  }
  return best;
}

// One change of an input, and the calculations that must all find a core for
// the change to be offered.
struct Change {
  std::string text;
  std::vector<TradInputs> trials;
};

bool findsCore(const TradInputs& in, const TapeCoreTable& table) {
  return calculateTradCT(in, table).core.has_value();
}

bool fits(const Change& c, const TapeCoreTable& table) {
  return std::all_of(c.trials.begin(), c.trials.end(),
                     [&](const TradInputs& in) { return findsCore(in, table); });
}

// A step in the third significant digit of x.
double unitOf(double x) {
  return std::pow(10.0, std::floor(std::log10(x)) - 2.0);
}

// Round values just beyond a threshold, nearest first: above it for a lower
// bound, below it for an upper bound.
std::vector<double> roundBeyond(double threshold, bool above) {
  std::vector<double> out;
  if (!(threshold > 0.0) || !std::isfinite(threshold)) return out;
  const double u = unitOf(threshold);
  double v = above ? std::ceil(threshold / u) * u : std::floor(threshold / u) * u;
  if (above ? v <= threshold : v >= threshold) v += above ? u : -u;
  for (int k = 0; k < kTries && v > 0.0; ++k, v += above ? u : -u)
    out.push_back(v);
  return out;
}

float wireNeed(float N, int gauge) {
  return windowNeeded(N, wireArea(toSingle(wireRow(gauge).diameterIn)));
}

std::vector<Change> bmaxChanges(const TradResult& r, const Target& t) {
  const TradInputs& in = r.inputs;
  std::vector<Change> out;
  if (!(r.requirements.A2 >= t.area)) return out;
  // A2 scales as 1 / Bmax; the alloy caps Bmax.
  const double need = double{in.bmax} * r.requirements.A2 / t.area;
  for (double v : roundBeyond(need, true)) {
    v = std::min(v, in.alloy.bmaxLimit);
    if (!(v > need) || (!out.empty() && out.back().trials[0].bmax == toSingle(v))) break;
    TradInputs c = in;
    c.bmax = toSingle(v);
    out.push_back({"Bmax at least " + adviceFigure(v) + " G", {c}});
  }
  return out;
}

std::vector<Change> burdenChanges(const TradResult& r, const Target& t) {
  std::vector<Change> out;
  // A2 scales with the burden.
  if (!(r.requirements.A2 >= t.area) || !(t.area > 0.0)) return out;
  for (double v : roundBeyond(double{r.inputs.burden} * t.area / r.requirements.A2, false)) {
    TradInputs c = r.inputs;
    c.burden = toSingle(v);
    out.push_back({"burden at most " + adviceFigure(v) + " ohm", {c}});
  }
  return out;
}

std::vector<Change> densityChanges(const TradResult& r, const Target& t) {
  const TradRequirements& q = r.requirements;
  std::vector<Change> out;
  // The thickest gauge whose N turns fit the window; a higher density gives a
  // finer gauge and leaves the core area as it is.
  int gauge = 0;
  for (int g = kThickestGauge; g <= kFinestGauge && gauge == 0; ++g) {
    float need = 0.0f;
    if (step([&] { need = wireNeed(r.inputs.ratio, g); }) && need < t.window) gauge = g;
  }
  if (gauge <= q.gauge || !(q.Is > 0.0f)) return out;
  // AWG = -4.31 ln(1.889 Is / J) reaches gauge - 0.5 at this J.
  const double need = 1.889 * q.Is * std::exp((gauge - 0.5) / 4.31);
  for (double v : roundBeyond(need, true)) {
    TradInputs c = r.inputs;
    c.currentDensity = toSingle(v);
    out.push_back({"current density at least " + adviceFigure(v) + " A/sq cm", {c}});
  }
  return out;
}

// The turns ratios (as open intervals) for which the target core has both the
// area and the window: A2 falls as 1 / N^2, while the window needed grows
// with N within each gauge and jumps where the gauge changes.
std::vector<std::pair<double, double>> ratioSpans(const TradInputs& in, const Target& t) {
  std::vector<std::pair<double, double>> spans;
  const double inf = std::numeric_limits<double>::infinity();
  const double fromArea =
      std::sqrt(1e8 * in.burden * in.primaryCurrent /
                (double{in.bmax} * 4.44 * in.frequency * in.thicknessFactor * t.area));
  const double base = 1.889 * in.primaryCurrent / in.currentDensity;
  if (!std::isfinite(fromArea) || !std::isfinite(base) || !(base > 0.0)) return spans;
  for (int g = kThickestGauge; g <= kFinestGauge; ++g) {
    // The ratios whose gauge expression rounds to g (clamped at both ends).
    const double lo = g == kThickestGauge ? 0.0 : base * std::exp((g - 0.5) / 4.31);
    const double hi = g == kFinestGauge ? inf : base * std::exp((g + 0.5) / 4.31);
    const double Aw = wireArea(toSingle(wireRow(g).diameterIn));
    const double a = std::max(lo, fromArea);
    const double b = std::min(hi, 0.2 * t.window / Aw);
    if (!(a < b)) continue;
    if (!spans.empty() && spans.back().second == a) {
      spans.back().second = b;
    } else {
      spans.emplace_back(a, b);
    }
  }
  return spans;
}

std::vector<Change> ratioChanges(const TradResult& r, const Target& t) {
  const TradInputs& in = r.inputs;
  const double now = in.ratio;
  std::optional<std::pair<double, double>> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const auto& [a, b] : ratioSpans(in, t)) {
    // Whole ratios strictly inside the span.
    const double lo = std::max(1.0, std::floor(a) + 1.0);
    const double hi = std::min(std::ceil(b) - 1.0, 2147483647.0);
    if (lo > hi) continue;
    const double distance = now < lo ? lo - now : now > hi ? now - hi : 0.0;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = std::make_pair(lo, hi);
    }
  }
  std::vector<Change> out;
  if (!best) return out;
  // Narrowed a little at each try, in case an end sits on a rounding edge.
  for (int k = 0; k < kTries && best->first + k <= best->second - k; ++k) {
    const double lo = best->first + k;
    const double hi = best->second - k;
    TradInputs low = in, high = in;
    low.ratio = toSingle(lo);
    high.ratio = toSingle(hi);
    const std::string text =
        lo == hi    ? "turns ratio of " + adviceFigure(lo)
        : lo == 1.0 ? "turns ratio at most " + adviceFigure(hi)
                    : "turns ratio between " + adviceFigure(lo) + " and " + adviceFigure(hi);
    out.push_back({text, {low, high}});
  }
  return out;
}

std::optional<Change> firstFitting(const std::vector<Change>& changes, const TapeCoreTable& table) {
  for (const Change& c : changes) {
    if (fits(c, table)) return c;
  }
  return std::nullopt;
}

// The failed criterion of the row that came nearest to passing.
Criterion nearestFailure(const RowEvaluation& row) {
  std::optional<Criterion> best;
  for (const Criterion& k : row.criteria) {
    if (!k.pass && (!best || k.margin > best->margin)) best = k;
  }
  return best ? *best : row.criteria.empty() ? Criterion{} : row.criteria.back();
}

// Why no single change helps, and two changes that do when there are such.
std::string noSingleChange(const TradResult& r, const Target& t, const std::string& part,
                           const TapeCoreTable& table) {
  const TradRequirements& q = r.requirements;
  std::string s =
      "No single change of Bmax, burden, current density or turns ratio makes a core "
      "fit: even the largest core, " +
      part + ", has ";
  const bool area = !(t.area > q.A2);
  const bool window = !(t.window > q.Wreq);
  s += area && window ? "too little core area and too little window."
       : area         ? "too little core area."
                      : "too little window.";
  std::vector<Change> forArea = bmaxChanges(r, t);
  if (forArea.empty()) forArea = burdenChanges(r, t);
  const std::vector<Change> forWindow = densityChanges(r, t);
  if (!forArea.empty() && !forWindow.empty()) {
    TradInputs both = forArea.front().trials.front();
    both.currentDensity = forWindow.front().trials.front().currentDensity;
    if (findsCore(both, table))
      s += " Two changes together do: " + forArea.front().text + " and " + forWindow.front().text +
           ".";
  }
  return s;
}

}  // namespace

std::string adviceFigure(double v) {
  char buf[64];
  if (std::fabs(v) < 1000.0) {
    std::snprintf(buf, sizeof buf, "%.3g", v);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.0f", v);
  std::string digits = buf;
  const std::size_t first = digits[0] == '-' ? 1 : 0;
  for (std::size_t k = digits.size(); k > first + 3; k -= 3)
    digits.insert(k - 3, ",");
  return digits;
}

TradAdvice adviseTrad(const TradResult& result, const TapeCoreTable& table,
                      const std::vector<RowEvaluation>& rows) {
  TradAdvice out;
  if (result.core || result.search.stop == TradStop::TableUnusable) return out;
  Nearest n;
  const std::optional<Target> t = largestRealCore(table);
  if (!t || static_cast<std::size_t>(t->record) > rows.size()) {
    n.advice = "The catalogue holds no real core before its end marker.";
    out.nearest = n;
    return out;
  }
  const RowEvaluation& row = rows[static_cast<std::size_t>(t->record - 1)];
  n.row = t->record;
  n.part = row.part;
  n.criterion = nearestFailure(row);

  std::vector<std::string> fitting;
  for (const auto& changes : {bmaxChanges(result, *t), burdenChanges(result, *t),
                              densityChanges(result, *t), ratioChanges(result, *t)}) {
    if (const std::optional<Change> c = firstFitting(changes, table)) fitting.push_back(c->text);
  }
  n.canHelp = !fitting.empty();
  n.advice = n.canHelp ? fitting.front() : noSingleChange(result, *t, row.part, table);
  if (n.canHelp) out.alternatives.assign(fitting.begin() + 1, fitting.end());
  out.nearest = n;
  return out;
}

}  // namespace windara
