#include "cli/advise_output.h"

#include <variant>

#include "cli/json_members.h"
#include "files/design_file.h"
#include "sweep/named_boxes.h"

namespace windara::cli {

namespace {

constexpr const char* kMaterialButtons[] = {"optPperm", "optQperm", "optRperm"};

std::optional<std::string> thicknessButton(const DesignFileContents& d) {
  if (d.type != kTypeTraditional) return std::nullopt;
  return "opt" + std::to_string(d.thickness) + "mil";
}

const char* typeName(int type) {
  return type == kTypeTraditional ? "Traditional" : type == kTypeSMPS ? "SMPS" : "Hall Effect";
}

std::string optionalNumber(const std::optional<double>& v) {
  return v ? jsonNumber(*v) : "null";
}

std::string turnsJson(const TurnsChoice& t) {
  return JsonMembers().number("lowest", t.lowest).number("highest", t.highest).inlineObject();
}

// The burden as the order gives it: its form, figure (ohms, VA, or a standard burden's ohms on
// a 5 A secondary), power factor (none: the IEC rule's for its VA) and IEEE name.
std::string burdenJson(const std::optional<BurdenOrder>& b) {
  if (!b) return "null";
  const char* form = b->form == BurdenForm::Ohms          ? "ohms"
                     : b->form == BurdenForm::VoltAmperes ? "VA"
                                                          : "standard";
  return JsonMembers()
      .text("form", std::string(form))
      .number("value", b->value)
      .add("power_factor", optionalNumber(b->powerFactor))
      .text("name", b->name.empty() ? std::nullopt : std::optional(b->name))
      .inlineObject();
}

std::string ratingJson(const std::optional<RatingWanted>& w) {
  if (!w) return "null";
  return JsonMembers()
      .text("name", w->name.empty() ? std::nullopt : std::optional(w->name))
      .add("burden", burdenJson(w->burden))
      .add("alf", optionalNumber(w->alf))
      .add("kx", optionalNumber(w->kx))
      .add("knee_volts", optionalNumber(w->kneeVolts))
      .inlineObject();
}

std::string requirementJson(const Requirement& req) {
  JsonMembers m;
  if (const auto* t = std::get_if<TradRequirement>(&req)) {
    m.text("type", "Traditional")
        .number("rated_current_a", t->ratedAmps)
        .number("frequency_hz", t->frequencyHz)
        .number("burden_ohm", t->burdenOhms)
        .text("class", t->className.empty() ? std::nullopt : std::optional(t->className))
        .add("rating", ratingJson(t->rating))
        .add("turns", turnsJson(t->turns))
        .add("max_od_in", optionalNumber(t->maxOdIn))
        .add("max_height_in", optionalNumber(t->maxHeightIn))
        .add("min_hole_in", optionalNumber(t->minHoleIn))
        .add("max_security_factor", optionalNumber(t->maxSecurityFactor))
        .add("max_losses_mw", optionalNumber(t->maxLossesMw))
        .add("thinnest_awg", t->thinnestAwg ? jsonNumber(*t->thinnestAwg) : "null");
  } else if (const auto* s = std::get_if<SmpsRequirement>(&req)) {
    m.text("type", "SMPS")
        .number("peak_current_a", s->peakAmps)
        .number("frequency_khz", s->frequencyKhz)
        .number("max_duty_cycle", s->maxDutyCycle)
        .number("output_v", s->outputVolts)
        .number("max_droop_percent", s->maxDroopPercent)
        .number("reset_v", s->resetVolts.value_or(s->outputVolts))
        .number("max_current_density", s->maxCurrentDensity)
        .add("turns", turnsJson(s->turns))
        .add("max_od_in", optionalNumber(s->maxOdIn))
        .add("min_hole_in", optionalNumber(s->minHoleIn));
  } else {
    const auto& h = std::get<HallRequirement>(req);
    m.text("type", "Hall Effect")
        .number("max_current_a", h.maxAmps)
        .number("sensitivity_mv_per_g", h.sensitivityMvPerGauss)
        .number("sensor_max_v", h.sensorMaxVolts)
        .number("sensor_thickness_mm", h.sensorThicknessMm)
        .number("conductor_in", h.conductorIn)
        .number("max_offset_percent", h.maxOffsetPercent)
        .number("max_drift_ppm_per_k", h.maxDriftPpmPerK)
        .add("turns", turnsJson(h.turns))
        .add("max_od_in", optionalNumber(h.maxOdIn));
  }
  return m.object(2);
}

std::string candidateJson(const Candidate& c) {
  JsonMembers inputs;
  // In the order design --json lists them; the state holds them in a design file's order.
  for (const NamedBox& box : kInputBoxes)
    for (std::size_t f = 0; f < kDesignFileBoxes.size(); ++f)
      if (kDesignFileBoxes[f] == box.box) inputs.text(box.name, c.state.texts[f]);
  std::vector<std::string> missed;
  for (const std::string& m : c.missed)
    missed.push_back(jsonText(m));
  const int material = c.state.material;
  return JsonMembers()
      .text("type", typeName(c.state.type))
      .add("inputs", inputs.inlineObject())
      .text("material", material >= 1 && material <= 3
                            ? std::optional<std::string>(kMaterialButtons[material - 1])
                            : std::nullopt)
      .text("thickness", thicknessButton(c.state))
      .text("core", c.core)
      .text("class", c.className)
      .add("pass", jsonBool(c.pass))
      .number("margin", c.margin)
      .text("tightest", c.tightest)
      .number("volume_cm3", c.volumeCm3)
      .number("turns", c.turns)
      .text("wire_awg", c.wire)
      .text("hole_in", c.hole)
      .text("losses_mw", c.state.type == kTypeTraditional ? std::optional(c.losses) : std::nullopt)
      .add("security_factor", optionalNumber(c.securityFactor))
      .add("droop_percent", optionalNumber(c.droopPercent))
      .add("saturation_margin", optionalNumber(c.saturationMargin))
      .add("missed", jsonArray(missed, 6))
      .object(4);
}

}  // namespace

std::string adviceJson(const Requirement& req, const Advice& advice) {
  std::vector<std::string> candidates;
  for (const Candidate& c : advice.candidates)
    candidates.push_back(candidateJson(c));
  return JsonMembers()
             .add("requirement", requirementJson(req))
             .add("candidates", jsonArray(candidates, 2))
             .add("best", advice.best ? jsonNumber(static_cast<double>(*advice.best)) : "null")
             .text("reason", advice.reason.empty() ? std::nullopt : std::optional(advice.reason))
             .number("searched", static_cast<double>(advice.searched))
             .object(0) +
         "\n";
}

std::string adviceText(const Requirement& req, const Advice& advice, const NumberLocale& locale) {
  std::string s;
  const int type = std::visit(
      [](const auto& r) {
        using R = std::decay_t<decltype(r)>;
        return std::is_same_v<R, TradRequirement>   ? kTypeTraditional
               : std::is_same_v<R, SmpsRequirement> ? kTypeSMPS
                                                    : kTypeHall;
      },
      req);
  const auto* trad = std::get_if<TradRequirement>(&req);
  const bool rated = trad && trad->rating;
  s += std::string(typeName(type)) + " designs calculated: " +
       formatPattern(static_cast<double>(advice.searched), "###,###,##0", locale) + "\n";
  if (advice.best)
    s += "Best: " + advice.candidates[*advice.best].core + "\n";
  else
    s += "None meets the requirement: " + advice.reason + "\n";
  for (std::size_t k = 0; k < advice.candidates.size(); ++k) {
    const Candidate& c = advice.candidates[k];
    s += "\n" + std::to_string(k + 1) + ". " + c.core + (c.pass ? "" : " (fails)") + "\n";
    s += "   material " + (c.material.empty() ? c.group : c.material) + ", turns " +
         formatGeneral(c.turns, locale) +
         (type == kTypeTraditional ? ", Bmax " + c.state.texts[3] + " G" : "") + ", volume " +
         formatPattern(c.volumeCm3, "0.000", locale) + " cm3\n";
    s += "   inputs:";
    for (std::size_t b = 0; b < kDesignFileBoxes.size(); ++b)
      for (const NamedBox& n : kInputBoxes)
        if (n.box == kDesignFileBoxes[b]) s += std::string(" ") + n.name + "=" + c.state.texts[b];
    s += "\n   ";
    if (c.className) s += (rated ? "rating " : "class ") + *c.className + ", ";
    s += "tightest " + c.tightest + " (margin " + formatPattern(c.margin, "0.000", locale) + ")";
    if (c.securityFactor)
      s += ", security factor " + formatPattern(*c.securityFactor, "0.0", locale);
    if (c.droopPercent) s += ", droop " + formatPattern(*c.droopPercent, "0.00", locale) + " %";
    if (c.saturationMargin)
      s += ", saturation margin " + formatPattern(*c.saturationMargin, "0.00", locale);
    s += "\n";
    if (type != kTypeHall) s += "   wire AWG " + c.wire + ", hole left " + c.hole + " in";
    if (type == kTypeTraditional) s += ", total losses " + c.losses + " mW";
    if (type != kTypeHall) s += "\n";
    for (const std::string& m : c.missed)
      s += "   misses: " + m + "\n";
  }
  return s;
}

}  // namespace windara::cli
