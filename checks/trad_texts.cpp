#include "checks/trad_texts.h"

#include <cstdlib>
#include <string>

#include "checks/wording.h"

namespace windara {

namespace {

std::string classText(const ClassVerdict& v, const NumberLocale& loc) {
  if (v.className) return "IEC 61869-2 class " + *v.className + " at 100 % and 25 % burden";
  const LimitCheck& t = v.tightest;
  const std::string unit = t.quantity == "ratio error" ? " %" : " min";
  // Fractions and limits are short table figures: "120 %", "0.75 %", "15 min".
  auto exact = [&](double x) { return formatGeneral(x, loc); };
  return "no IEC 61869-2 class: " + t.quantity + " " + signedReadable(t.value, loc) + unit +
         " at " + exact(t.currentPercent) + " % of rated current and " + exact(t.burdenPercent) +
         " % burden, beyond the \u00b1" + exact(t.limit) + unit + " of class " +
         accuracyClasses().back().name;
}

std::string burdenText(const TradChecks& c, const NumberLocale& loc) {
  if (!c.maxBurdenOhms) return "class " + c.maxBurdenClass + " is out of reach even with no burden";
  return "class " + c.maxBurdenClass + " holds up to a burden of " +
         readable(*c.maxBurdenOhms, loc) + " \u03a9";
}

std::string compensationText(const TurnsCompensation& t, const NumberLocale& loc) {
  if (t.turnsRemoved == 0) return "no turns compensation brings the ratio error nearer to zero";
  const int n = std::abs(t.turnsRemoved);
  const std::string turns = std::to_string(n) + (n == 1 ? " turn" : " turns");
  std::string text = (t.turnsRemoved > 0 ? "removing " : "adding ") + turns +
                     (t.centred ? " centres the ratio error at rated current ("
                                : " brings the ratio error at rated current nearest to zero, "
                                  "but no winding reaches zero (");
  const char* sep = "";
  for (const TradPoint& p : t.points) {
    if (p.currentPercent != 100) continue;
    text += sep + signedReadable(p.ratioErrorPercent, loc) + " %";
    sep = ", ";
  }
  return text + "): " + (t.verdict.className ? "class " + *t.verdict.className : "no class");
}

std::string saturationText(const TradChecks& c, const NumberLocale& loc) {
  const std::string b = "B at 120 % of rated current " + readable(c.demandTeslaAt120, loc) +
                        " T, " + (c.saturates ? "above" : "within") + " the saturation of " +
                        readable(c.saturationTesla, loc) + " T";
  if (c.saturates) return b + ": the core saturates";
  return b + " (instrument security factor about " + readable(c.securityFactor, loc) + ")";
}

}  // namespace

void describe(TradChecks& c, const NumberLocale& locale) {
  c.classText = classText(c.verdict, locale);
  c.burdenText = burdenText(c, locale);
  c.compensationText = compensationText(c.compensation, locale);
  c.saturationText = saturationText(c, locale);
}

}  // namespace windara
