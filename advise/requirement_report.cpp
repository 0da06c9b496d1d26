#include "advise/requirement_report.h"

namespace windara {

namespace {

class Rows {
 public:
  Rows(Items& items, const NumberLocale& locale) : items_(items), locale_(locale) {}

  void number(const char* caption, double v, const char* unit) {
    items_.rows.emplace_back(caption, formatGeneral(v, locale_) + unit);
  }
  void limit(const char* caption, const std::optional<double>& v, const char* unit) {
    if (v) return number(caption, *v, unit);
    items_.rows.emplace_back(caption, "none");
  }
  void turns(const TurnsChoice& t) {
    items_.rows.emplace_back(
        "Turns", t.fixed() ? std::to_string(t.lowest) + ", fixed"
                           : std::to_string(t.lowest) + " to " + std::to_string(t.highest));
  }

 private:
  Items& items_;
  const NumberLocale& locale_;
};

}  // namespace

Items requirementItems(const Requirement& req, const NumberLocale& locale) {
  Items items;
  Rows rows(items, locale);
  if (const auto* t = std::get_if<TradRequirement>(&req)) {
    rows.number("Rated primary current", t->ratedAmps, " A");
    rows.number("Frequency", t->frequencyHz, " Hz");
    rows.number("Burden", t->burdenOhms, " ohm");
    items.rows.emplace_back("Accuracy class",
                            t->className.empty() ? "any IEC 61869-2 class" : t->className);
    rows.turns(t->turns);
    rows.limit("Largest OD", t->maxOdIn, " in");
    rows.limit("Largest height", t->maxHeightIn, " in");
    rows.limit("Smallest hole left", t->minHoleIn, " in");
    rows.limit("Largest security factor", t->maxSecurityFactor, "");
    rows.limit("Largest total losses", t->maxLossesMw, " mW");
    if (t->thinnestAwg)
      items.rows.emplace_back("Thinnest wire", std::to_string(*t->thinnestAwg) + " AWG");
    else
      items.rows.emplace_back("Thinnest wire", "none");
  } else if (const auto* s = std::get_if<SmpsRequirement>(&req)) {
    rows.number("Peak primary current", s->peakAmps, " A");
    rows.number("Switching frequency", s->frequencyKhz, " kHz");
    rows.number("Largest duty cycle", s->maxDutyCycle, "");
    rows.number("Output voltage", s->outputVolts, " V");
    rows.number("Largest droop", s->maxDroopPercent, " %");
    rows.number("Reset voltage", s->resetVolts.value_or(s->outputVolts), " V");
    rows.turns(s->turns);
    rows.number("Largest current density", s->maxCurrentDensity, " A/sq cm");
    rows.limit("Largest OD", s->maxOdIn, " in");
    rows.limit("Smallest hole left", s->minHoleIn, " in");
  } else {
    const auto& h = std::get<HallRequirement>(req);
    rows.number("Largest primary current", h.maxAmps, " A");
    rows.number("Sensor sensitivity", h.sensitivityMvPerGauss, " mV/G");
    rows.number("Sensor largest output", h.sensorMaxVolts, " V");
    rows.number("Sensor thickness", h.sensorThicknessMm, " mm");
    rows.number("Conductor size", h.conductorIn, " in");
    rows.number("Largest hysteresis offset", h.maxOffsetPercent, " %");
    rows.number("Largest sensitivity drift", h.maxDriftPpmPerK, " ppm/K");
    rows.turns(h.turns);
    rows.limit("Largest OD", h.maxOdIn, " in");
  }
  return items;
}

std::string candidateVerdict(const Candidate& c, const NumberLocale& locale) {
  std::string s = c.pass ? "Meets the requirement: " : "Does not meet the requirement: ";
  s += c.core + " in " + c.material + " with " + formatPattern(c.turns, "###,###,##0", locale) +
       " turns";
  if (c.className) s += ", IEC 61869-2 class " + *c.className;
  if (!c.tightest.empty())
    s += "; tightest check " + c.tightest + ", margin " +
         formatPattern(100 * c.margin, "0.0", locale) + " %";
  for (std::size_t k = 0; k < c.missed.size(); ++k)
    s += (k ? ", " : "; outside the limits: ") + c.missed[k];
  return sentence(s);
}

std::vector<Block> requirementSection(const Requirement& req, const std::string& verdict,
                                      const NumberLocale& locale) {
  std::vector<Block> blocks;
  add(blocks, Heading{"Requirement"});
  add(blocks, requirementItems(req, locale));
  add(blocks, Paragraph{verdict});
  return blocks;
}

}  // namespace windara
