#include "designs/smps/smps_advice.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/checked.h"
#include "designs/smps/smps_text.h"
#include "wire/wire.h"

namespace windara {

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

struct Lever {
  SmpsInput box;
  const char* name;
  const char* unit;
  bool atMost;
};

constexpr Lever kLowerVoltage{SmpsInput::Voltage, "output voltage", " V", true};
constexpr Lever kRaiseFrequency{SmpsInput::Frequency, "frequency", " kHz", false};
constexpr Lever kLowerDuty{SmpsInput::DutyCycle, "duty cycle", "", true};
constexpr Lever kLowerRatio{SmpsInput::Ratio, "turns ratio", "", true};
constexpr Lever kRaiseRatio{SmpsInput::Ratio, "turns ratio", "", false};
constexpr Lever kRaiseDensity{SmpsInput::CurrentDensity, "current density", " A/sq cm", false};
constexpr Lever kLowerCurrent{SmpsInput::PrimaryCurrent, "primary current", " A", true};
constexpr Lever kRaiseCurrent{SmpsInput::PrimaryCurrent, "primary current", " A", false};

// The input as the user typed it (the frequency in kHz).
double typedValue(const SmpsInputs& in, SmpsInput box) {
  switch (box) {
    case SmpsInput::Voltage:
      return in.V;
    case SmpsInput::Frequency:
      return in.f / 1000.0;
    case SmpsInput::PrimaryCurrent:
      return in.Ip;
    case SmpsInput::DutyCycle:
      return in.D;
    case SmpsInput::Ratio:
      return in.N;
    case SmpsInput::CurrentDensity:
      return in.J;
  }
  return 0;
}

const char* stopWords(SmpsStop stop) {
  switch (stop) {
    case SmpsStop::CoreTooLarge:
      return "no core takes the winding";
    case SmpsStop::InductanceTooLarge:
      return "no core gives the inductance";
    case SmpsStop::Saturated:
      return "the core saturates";
    case SmpsStop::UnusableRow:
      return "the core found has no usable winding ID";
    case SmpsStop::None:
      break;
  }
  return "a core fits";
}

// One input changed to a round value on the safe side of `bound`, as the
// user would type it, and what the design then does.
struct Candidate {
  Lever lever;
  std::string text;            // "turns ratio at most 87"
  double change = kUnbounded;  // |ln(new / old)|: halving and doubling weigh the same
  SmpsOutcome outcome;
  SmpsInputs inputs;
  bool fits = false;
};

Candidate tryLever(const SmpsInputs& in, const FerriteTable& t, const Lever& lever, double bound) {
  Candidate c{lever, {}, kUnbounded, {}, in, false};
  const double now = typedValue(in, lever.box);
  if (!(bound > 0) || !std::isfinite(bound) || !(now > 0)) return c;
  // Three significant digits; whole turns.
  double unit = std::pow(10.0, std::floor(std::log10(bound)) - 2);
  if (lever.box == SmpsInput::Ratio && bound >= 1) unit = std::max(unit, 1.0);
  double value = (lever.atMost ? std::floor(bound / unit) : std::ceil(bound / unit)) * unit;
  // A bound the formulas give exactly may still miss by a rounding: a few steps further.
  for (int k = 0; k < 4 && value > 0; ++k, value += lever.atMost ? -unit : unit) {
    SmpsInputs changed = in;
    const auto typed = parseNumber(formatGeneral(value, in.locale), in.locale);
    if (!typed || !step([&] { setSmpsInput(changed, lever.box, *typed); })) break;
    c.inputs = changed;
    c.outcome = searchSmps(changed, smpsRequirements(changed), t);
    c.text = std::string(lever.name) + (lever.atMost ? " at most " : " at least ") +
             smpsNumberText(*typed, in.locale) + lever.unit;
    c.change = std::fabs(std::log(*typed / now));
    c.fits = c.outcome.stop == SmpsStop::None;
    if (c.fits) break;
  }
  return c;
}

// The largest winding ID among the real cores.
double largestHole(const std::vector<RowEvaluation>& rows) {
  double hole = 0;
  for (const RowEvaluation& e : rows) {
    const Criterion& sentinel = *smpsCriterion(e, kSmpsIdSentinel);
    if (sentinel.pass) hole = std::max(hole, sentinel.value);
  }
  return hole;
}

double wireDiameter(int gauge) {
  return static_cast<double>(
      static_cast<float>(wireTable()[static_cast<std::size_t>(gauge)].diameterIn));
}

// The thickest gauge whose winding of N turns fits inside `hole`; 0 for none.
int thickestFittingGauge(float N, double hole) {
  for (int g = 12; g <= 42; ++g) {
    if (static_cast<float>((static_cast<double>(N) / 3.14 + 1.0) * wireDiameter(g)) < hole)
      return g;
  }
  return 0;
}

// The largest turns ratio whose winding fits inside `hole`: fewer turns carry
// more current on thicker wire, so within each gauge's range of ratios one
// layer must stay inside the hole.
double largestFittingRatio(const SmpsInputs& in, double hole) {
  const double raw1 = -4.31 * std::log(static_cast<double>(in.Ip) * 1.889 / in.J);
  double best = 0;
  for (int g = 12; g <= 42; ++g) {
    const double lo = g == 12 ? 0.0 : std::exp((g - 0.5 - raw1) / 4.31);
    const double hi = g == 42 ? kUnbounded : std::exp((g + 0.5 - raw1) / 4.31);
    const double fit = std::min(hi, 3.14 * (hole / wireDiameter(g) - 1.0));
    if (fit > lo) best = std::max(best, fit);
  }
  return best;
}

// The winding needs a larger hole than any core has.
std::vector<Candidate> holeLevers(const SmpsInputs& in, const SmpsRequirements& req,
                                  const FerriteTable& t, double hole,
                                  std::vector<std::string>& why) {
  std::vector<Candidate> out;
  const double ratio = largestFittingRatio(in, hole);
  if (!(ratio > 0)) why.emplace_back("no turns ratio makes the winding fit the largest core");
  out.push_back(tryLever(in, t, kLowerRatio, ratio));
  const int g = thickestFittingGauge(in.N, hole);
  if (g == 0) {
    why.push_back("even the thinnest wire (gauge 42) needs a winding ID above the largest core's " +
                  smpsNumberText(hole, in.locale) + " in");
    return out;
  }
  // The gauge rounds up from g - 0.5: Is / J small enough for it.
  const double areaRatio = std::exp(-(g - 0.5) / 4.31) / 1.889;
  out.push_back(tryLever(in, t, kRaiseDensity, req.Is / areaRatio));
  out.push_back(tryLever(in, t, kLowerCurrent, static_cast<double>(in.N) * in.J * areaRatio));
  return out;
}

// The best inductance a core the search reaches gives is short of Lreq:
// Lreq grows with V, D and N / (f Ip), the core's AL x N^2 with N^2.
std::vector<Candidate> inductanceLevers(const SmpsInputs& in, const SmpsRequirements& req,
                                        const FerriteTable& t, const SmpsOutcome& out,
                                        const std::vector<RowEvaluation>& rows) {
  double best = 0;
  for (int row = out.holeRow; row < out.row; ++row) {
    const double lact =
        smpsCriterion(rows[static_cast<std::size_t>(row - 1)], kSmpsInductance)->value;
    if (std::isfinite(lact)) best = std::max(best, lact);
  }
  if (!(best > 0) || !(req.Lreq > 0)) return {};
  const double q = best / req.Lreq;
  return {tryLever(in, t, kLowerVoltage, in.V * q),
          tryLever(in, t, kRaiseFrequency, in.f / 1000.0 / q),
          tryLever(in, t, kLowerDuty, in.D * q), tryLever(in, t, kRaiseRatio, in.N / q),
          tryLever(in, t, kRaiseCurrent, in.Ip / q)};
}

// B grows with V / (f N). A lower voltage or a higher frequency also lowers
// Lreq, which can only bring the search to an earlier core: every core from
// the hole row to the saturated one must stay below the limit.
std::vector<Candidate> saturationLevers(const SmpsInputs& in, const FerriteTable& t,
                                        const SmpsOutcome& out,
                                        const std::vector<RowEvaluation>& rows) {
  double worst = 0;
  for (int row = out.holeRow; row <= out.row; ++row) {
    if (const Criterion* b = smpsCriterion(rows[static_cast<std::size_t>(row - 1)], kSmpsFlux))
      worst = std::max(worst, b->value);
  }
  const double r = worst / kSmpsSaturation;
  return {tryLever(in, t, kLowerVoltage, in.V / r),
          tryLever(in, t, kRaiseFrequency, in.f / 1000.0 * r),
          tryLever(in, t, kRaiseRatio, in.N * r)};
}

// The failing criterion nearest to passing; nullptr when all pass.
const Criterion* nearestFailure(const RowEvaluation& e) {
  const Criterion* nearest = nullptr;
  for (const Criterion& k : e.criteria) {
    if (k.pass) continue;
    const bool finite = std::isfinite(k.value);
    if (!nearest || (finite && (!std::isfinite(nearest->value) || k.margin > nearest->margin)))
      nearest = &k;
  }
  return nearest;
}

}  // namespace

Nearest smpsNearest(const SmpsInputs& in, const SmpsRequirements& req, const FerriteTable& t,
                    const SmpsOutcome& out, const std::vector<RowEvaluation>& rows,
                    std::vector<std::string>& notes) {
  // The largest real core, unless it passes everything and the search stopped before it.
  const int largest = t.endMarkerRow - 1;
  const bool atLargest =
      (out.stop == SmpsStop::CoreTooLarge || out.stop == SmpsStop::InductanceTooLarge) &&
      largest >= 1 && nearestFailure(rows[static_cast<std::size_t>(largest - 1)]);
  const RowEvaluation& shown = rows[static_cast<std::size_t>((atLargest ? largest : out.row) - 1)];
  Nearest n;
  n.row = shown.row;
  n.part = shown.part;
  if (const Criterion* k = nearestFailure(shown)) n.criterion = *k;

  if (largest < 1) {
    n.advice = "The table holds no core before its end marker.";
    return n;
  }
  std::vector<std::string> why;
  std::vector<Candidate> candidates;
  switch (out.stop) {
    case SmpsStop::CoreTooLarge:
      candidates = holeLevers(in, req, t, largestHole(rows), why);
      break;
    case SmpsStop::InductanceTooLarge:
      candidates = inductanceLevers(in, req, t, out, rows);
      break;
    case SmpsStop::Saturated:
      candidates = saturationLevers(in, t, out, rows);
      break;
    case SmpsStop::UnusableRow:
      n.advice = "The table needs repair: row " + std::to_string(out.row) +
                 ", where the search stops, has no winding ID below 999.";
      return n;
    case SmpsStop::None:
      break;
  }

  const Candidate* best = nullptr;
  for (const Candidate& c : candidates) {
    if (c.fits && (!best || c.change < best->change)) best = &c;
    if (!c.fits && !c.text.empty()) why.push_back(c.text + ": " + stopWords(c.outcome.stop));
  }
  if (best) {
    n.canHelp = true;
    n.advice = best->text;
    notes.push_back("With " + best->text + " the design takes row " +
                    std::to_string(best->outcome.row) + ", " +
                    smpsPartNumber(t, best->outcome.row, best->inputs) + ".");
    return n;
  }
  n.advice = "No single input change makes a core fit";
  for (std::size_t k = 0; k < why.size(); ++k)
    n.advice += (k ? "; " : ": ") + why[k];
  n.advice += ".";
  return n;
}

}  // namespace windara
