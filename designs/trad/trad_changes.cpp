#include "designs/trad/trad_changes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "common/checked.h"
#include "wire/wire.h"

namespace windara {

namespace {

constexpr int kThickestGauge = 12;
constexpr int kFinestGauge = 42;
constexpr int kTries = 4;  // values tried beyond a threshold, against rounding on its edge

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

// The value in single precision, as a box would hold it; nothing beyond that range.
std::optional<float> single(double v) {
  try {
    return toSingle(v);
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

// The inputs with one of them set to each value in turn, as long as the
// values fit a box's single precision.
std::vector<TradChange> changesOf(const TradInputs& in, float TradInputs::*input,
                                  const std::vector<double>& values, const std::string& before,
                                  const std::string& unit) {
  std::vector<TradChange> out;
  for (double v : values) {
    const std::optional<float> x = single(v);
    if (!x) break;
    TradInputs c = in;
    c.*input = *x;
    std::string text = before;
    text += adviceFigure(v);
    text += unit;
    out.push_back({std::move(text), {c}});
  }
  return out;
}

float wireNeed(float N, int gauge) {
  return windowNeeded(N, wireArea(toSingle(wireRow(gauge).diameterIn)));
}

// The turns ratios (as open intervals) for which the target core has both the
// area and the window: A2 falls as 1 / N^2, while the window needed grows
// with N within each gauge and jumps where the gauge changes.
std::vector<std::pair<double, double>> ratioSpans(const TradInputs& in, const TradTarget& t) {
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

}  // namespace

bool findsCore(const TradInputs& in, const TapeCoreTable& table) {
  return searchTapeCores(tradRequirements(in), table).record.has_value();
}

bool fits(const TradChange& c, const TapeCoreTable& table) {
  return std::all_of(c.trials.begin(), c.trials.end(),
                     [&](const TradInputs& in) { return findsCore(in, table); });
}

std::vector<TradChange> bmaxChanges(const TradResult& r, const TradTarget& t) {
  const TradInputs& in = r.inputs;
  if (!(r.requirements.A2 >= t.area)) return {};
  // A2 scales as 1 / Bmax; the alloy caps Bmax.
  const double need = double{in.bmax} * r.requirements.A2 / t.area;
  std::vector<double> values;
  for (double v : roundBeyond(need, true)) {
    v = std::min(v, in.alloy.bmaxLimit);
    if (!(v > need) || (!values.empty() && values.back() == v)) break;
    values.push_back(v);
  }
  return changesOf(in, &TradInputs::bmax, values, "Bmax at least ", " G");
}

std::vector<TradChange> burdenChanges(const TradResult& r, const TradTarget& t) {
  // A2 scales with the burden.
  if (!(r.requirements.A2 >= t.area) || !(t.area > 0.0)) return {};
  return changesOf(r.inputs, &TradInputs::burden,
                   roundBeyond(double{r.inputs.burden} * t.area / r.requirements.A2, false),
                   "burden at most ", " ohm");
}

std::vector<TradChange> densityChanges(const TradResult& r, const TradTarget& t) {
  const TradRequirements& q = r.requirements;
  // The thickest gauge whose N turns fit the window; a higher density gives a
  // finer gauge and leaves the core area as it is.
  int gauge = 0;
  for (int g = kThickestGauge; g <= kFinestGauge && gauge == 0; ++g) {
    float need = 0.0f;
    if (step([&] { need = wireNeed(r.inputs.ratio, g); }) && need < t.window) gauge = g;
  }
  if (gauge <= q.gauge || !(q.Is > 0.0f)) return {};
  // AWG = -4.31 ln(1.889 Is / J) reaches gauge - 0.5 at this J.
  const double need = 1.889 * q.Is * std::exp((gauge - 0.5) / 4.31);
  return changesOf(r.inputs, &TradInputs::currentDensity, roundBeyond(need, true),
                   "current density at least ", " A/sq cm");
}

std::vector<TradChange> ratioChanges(const TradResult& r, const TradTarget& t) {
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
  std::vector<TradChange> out;
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

}  // namespace windara
