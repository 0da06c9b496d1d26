#include "cli/ratings_json.h"

#include "cli/json_members.h"

namespace windara::cli {

namespace {

std::string point(const RatingPoint& p) {
  JsonMembers m;
  m.number("current_percent", p.currentPercent)
      .number("burden_percent", p.burdenPercent)
      .number("Is", p.Is)
      .number("Ie_in_phase", p.inPhaseAmps)
      .number("Ie_quadrature", p.quadratureAmps)
      .number("ratio_error_percent", p.ratioErrorPercent)
      .number("rcf", p.rcf)
      .number("phase_minutes", p.phaseMinutes);
  if (p.tcf) m.number("tcf", *p.tcf);
  return m.inlineObject();
}

std::string rating(const Rating& r) {
  std::vector<std::string> points;
  for (const RatingPoint& p : r.points)
    points.push_back(point(p));
  std::string pointList = "[";
  for (std::size_t i = 0; i < points.size(); ++i)
    pointList += (i ? ", " : "") + points[i];
  pointList += "]";
  JsonMembers m;
  m.text("standard", r.standard)
      .text("kind", r.kind)
      .add("burden", JsonMembers()
                         .number("ohms", r.burden.ohms)
                         .number("reactance_ohms", r.burden.reactanceOhms)
                         .number("va", r.burdenVa)
                         .number("power_factor", r.burden.powerFactor())
                         .text("name", r.burden.name)
                         .inlineObject())
      .text("rating", r.rating)
      .add("holds", r.holds ? jsonBool(*r.holds) : "null")
      .number("margin", r.margin)
      .add("points", pointList);
  if (r.kind == "protection")
    m.number("composite_error_percent", r.compositeErrorPercent)
        .number("alf", r.alf)
        .number("e_alf_volts", r.eAlfVolts)
        .number("alf_at_burden", r.alfAtBurden);
  if (r.kind == "PX")
    m.number("knee_volts", r.kneeVolts)
        .number("knee_exciting_amps", r.kneeExcitingAmps)
        .number("winding_ohms_75c", r.windingOhms75c)
        .number("kx", r.kx)
        .number("required_knee_volts", r.requiredKneeVolts);
  if (r.kind == "metering") {
    std::string list = "[";
    for (std::size_t i = 0; i < r.highestBurdenRatings.size(); ++i)
      list += (i ? ", " : "") + jsonText(r.highestBurdenRatings[i]);
    m.add("highest_burden_ratings", list + "]");
  }
  if (r.kind == "relaying")
    m.number("terminal_volts_at_20x", r.terminalVoltsAt20x)
        .number("emf_at_20x_volts", r.emfAt20xVolts)
        .number("winding_volts_at_20x", r.windingVoltsAt20x)
        .number("ansi_knee_volts", r.ansiKneeVolts);
  const std::string note =
      r.note.empty() || r.burdenNote.empty() ? r.note + r.burdenNote : r.note + "; " + r.burdenNote;
  m.text("note", note.empty() ? std::nullopt : std::optional(note));
  return m.inlineObject();
}

}  // namespace

std::string ratingsJson(const std::vector<Rating>& ratings, int indent) {
  std::vector<std::string> items;
  items.reserve(ratings.size());
  for (const Rating& r : ratings)
    items.push_back(rating(r));
  return jsonArray(items, indent);
}

}  // namespace windara::cli
