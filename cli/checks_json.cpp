#include "cli/checks_json.h"

#include <cmath>

#include "cli/json_members.h"

namespace windara::cli {

namespace {

std::string point(const TradPoint& p) {
  return JsonMembers()
      .number("current_percent", p.currentPercent)
      .number("burden_percent", p.burdenPercent)
      .number("Is", p.Is)
      .number("Es", p.Es)
      .number("B", p.B)
      .number("mu_a", p.muA)
      .number("Im", p.Im)
      .number("Ia", p.Ia)
      .number("ratio_error_percent", p.ratioErrorPercent)
      .number("phase_minutes", p.phaseMinutes)
      .inlineObject();
}

std::string points(const std::vector<TradPoint>& list, int indent) {
  std::vector<std::string> items;
  items.reserve(list.size());
  for (const TradPoint& p : list)
    items.push_back(point(p));
  return jsonArray(items, indent);
}

std::string limitCheck(const LimitCheck& c) {
  return JsonMembers()
      .number("current_percent", c.currentPercent)
      .number("burden_percent", c.burdenPercent)
      .text("quantity", c.quantity)
      .number("value", c.value)
      .number("limit", c.limit)
      .number("margin", c.margin)
      .inlineObject();
}

std::string items(const CheckSummary& s, int indent) {
  std::vector<std::string> list;
  list.reserve(s.items.size());
  for (const CheckItem& i : s.items) {
    list.push_back(JsonMembers()
                       .text("name", i.name)
                       .number("value", i.value)
                       .number("limit", i.limit)
                       .text("unit", i.unit)
                       .add("at_most", jsonBool(i.atMost))
                       .add("pass", jsonBool(i.pass))
                       .text("text", i.text)
                       .inlineObject());
  }
  return jsonArray(list, indent);
}

void addTrad(JsonMembers& m, const TradCheckInputs& in, const TradChecks& c, int indent) {
  m.add("from_design", JsonMembers()
                           .number("turns", in.turns)
                           .number("rated_primary_amps", in.ratedPrimaryAmps)
                           .number("frequency_hz", in.frequencyHz)
                           .number("burden_ohms", in.burdenOhms)
                           .number("mean_turn_inches", in.meanTurnInches)
                           .number("wire_ohms_per_1000ft", in.wireOhmsPer1000ft)
                           .number("core_area_cm2", in.coreAreaCm2)
                           .number("path_length_cm", in.pathLengthCm)
                           .inlineObject());
  m.number("winding_ohms", c.windingOhms)
      .add("points", points(c.points, indent))
      .text("class", c.verdict.className)
      .number("margin", c.verdict.tightest.margin)
      .add("tightest", limitCheck(c.verdict.tightest))
      .text("class_text", c.classText)
      .text("max_burden_class", c.maxBurdenClass)
      .number("max_burden_ohms", c.maxBurdenOhms.value_or(std::nan("")))
      .text("burden_text", c.burdenText)
      .number("compensation_turns", c.compensation.turnsRemoved)
      .text("compensation_class", c.compensation.verdict.className)
      .add("compensation_points", points(c.compensation.points, indent))
      .text("compensation_text", c.compensationText)
      .number("saturation_tesla", c.saturationTesla)
      .number("peak_tesla_at_120", c.peakTeslaAt120)
      .number("demand_tesla_at_120", c.demandTeslaAt120)
      .add("saturates", jsonBool(c.saturates))
      .number("security_factor", c.securityFactor)
      .text("saturation_text", c.saturationText);
}

void addSmps(JsonMembers& m, const SmpsCheckInputs& in, const SmpsChecks& c, int indent) {
  m.add("from_design", JsonMembers()
                           .number("output_volts", in.outputVolts)
                           .number("duty_cycle", in.dutyCycle)
                           .number("frequency_hz", in.frequencyHz)
                           .number("primary_amps", in.primaryAmps)
                           .number("turns", in.turns)
                           .number("core_area_cm2", in.coreAreaCm2)
                           .number("inductance_mh", in.inductanceMh)
                           .inlineObject());
  m.number("secondary_amps", c.secondaryAmps)
      .number("burden_ohms", c.burdenOhms)
      .number("burden_watts", c.burdenWatts)
      .number("on_time_seconds", c.onTimeSeconds)
      .number("flux_swing_gauss", c.fluxSwingGauss)
      .number("flux_swing_limit_gauss", c.fluxSwingLimitGauss)
      .number("design_peak_gauss", c.designPeakGauss)
      .number("inductance_mh", c.inductanceMh)
      .number("min_inductance_mh", c.minInductanceMh)
      .number("magnetizing_amps", c.magnetizingAmps)
      .number("magnetizing_amps_min_AL", c.magnetizingAmpsMinAL)
      .number("droop_percent", c.droopPercent)
      .number("droop_percent_min_AL", c.droopPercentMinAL)
      .number("droop_exact_percent", c.droopExactPercent)
      .number("droop_exact_percent_min_AL", c.droopExactPercentMinAL)
      .number("droop_limit_percent", in.droopLimitPercent)
      .number("diode_drop_volts", c.diodeDropVolts)
      .number("winding_volts", c.windingVolts)
      .number("reset_voltage", c.resetVoltsNeeded)
      .number("reset_voltage_available", c.resetVoltsAvailable)
      .number("max_duty_cycle", c.maxDutyCycle)
      .text("reset_by", c.resetByClamp ? "clamp" : "resistor")
      .number("reset_resistor_ohms", c.resetResistorOhms)
      .number("reset_resistor_percent", c.resetResistorPercent)
      .number("diode_reverse_volts", c.diodeReverseVolts)
      .number("reset_flux_swing_gauss", c.resetFluxSwingGauss)
      .number("no_reset_flux_gauss", c.noResetFluxGauss)
      .text("reset_text", c.resetText)
      .number("low_cutoff_hz", c.lowCutoffHz)
      .number("low_cutoff_hz_min_AL", c.lowCutoffHzMinAL)
      .add("pass", jsonBool(c.summary.pass))
      .add("items", items(c.summary, indent))
      .text("verdict", c.summary.verdict);
}

void addHall(JsonMembers& m, const HallCheckInputs& in, const HallChecks& c, int indent) {
  m.add("from_design", JsonMembers()
                           .number("inside_diameter_in", in.insideDiameterIn)
                           .number("outside_diameter_in", in.outsideDiameterIn)
                           .number("height_in", in.heightIn)
                           .number("path_length_cm", in.pathLengthCm)
                           .number("permeability", in.permeability)
                           .number("gap_in", in.gapIn)
                           .number("turns", in.turns)
                           .number("max_primary_amps", in.maxPrimaryAmps)
                           .inlineObject());
  m.number("wall_in", c.wallIn)
      .number("fringing_factor", c.fringingFactor)
      .number("core_flux_gauss", c.coreFluxGauss)
      .number("bsat_gauss", c.saturationGauss)
      .number("saturation_current", c.saturationAmps)
      .number("ideal_gap_gauss", c.idealGapGauss)
      .number("gap_flux_gauss", c.gapFluxGauss)
      .number("sensor_full_scale_gauss", c.sensorFullScaleGauss)
      .number("hysteresis_offset_amps", c.hysteresisOffsetAmps)
      .number("offset_limit_percent", in.offsetLimitPercent)
      .number("drift_ppm_per_kelvin", c.driftPpmPerKelvin)
      .number("drift_limit_ppm_per_kelvin", in.driftLimitPpmPerKelvin)
      .add("pass", jsonBool(c.summary.pass))
      .add("items", items(c.summary, indent))
      .text("verdict", c.summary.verdict);
}

}  // namespace

std::string checksJson(const std::optional<DesignChecks>& checks, int indent,
                       const std::optional<std::string>& ratings) {
  if (!checks) return "null";
  const DesignChecks& d = *checks;
  const int inner = indent + 2;
  JsonMembers m;
  m.text("type", d.type)
      .text("part", d.part)
      .text("material", d.material)
      .text("unavailable", d.available() ? std::nullopt : std::optional(d.unavailable))
      .text("status", d.statusLine);
  if (d.trad && d.tradInputs) addTrad(m, *d.tradInputs, *d.trad, inner);
  if (d.smps && d.smpsInputs) addSmps(m, *d.smpsInputs, *d.smps, inner);
  if (d.hall && d.hallInputs) addHall(m, *d.hallInputs, *d.hall, inner);
  if (ratings) m.add("ratings", *ratings);
  return m.object(indent);
}

}  // namespace windara::cli
