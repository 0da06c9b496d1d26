#include "files/check_blocks.h"

#include "checks/check_rows.h"
#include "checks/trad_points.h"
#include "checks/wording.h"

namespace windara {

namespace {

// The class a design without one is compared with, as its largest burden is.
constexpr const char* kComparisonClass = "0.5";

Table tableOf(TextRows rows, bool withHead) {
  Table t;
  if (withHead && !rows.empty()) {
    t.head = std::move(rows.front());
    rows.erase(rows.begin());
  }
  t.rows = std::move(rows);
  t.marked.assign(t.rows.size(), false);
  return t;
}

// Two flux densities at 120 % of rated current, each said for what it is: the
// demand the saturation verdict rests on, and the point the error table solves.
void saturationRows(Items& items, const TradChecks& c, const NumberLocale& loc) {
  const std::string bsat = readable(c.saturationTesla, loc) + " T";
  items.rows.emplace_back(
      "Flux the burden asks for at 120 %",
      readable(c.demandTeslaAt120, loc) + " T, from the ideal secondary current through Rw + Rb: " +
          (c.saturates
               ? "above the saturation of " + bsat + ", so the core saturates"
               : "within the saturation of " + bsat + " (instrument security factor about " +
                     readable(c.securityFactor, loc) + ")"));
  items.rows.emplace_back(
      "Flux solved at 120 %",
      readable(c.peakTeslaAt120, loc) +
          " T at rated burden, the B of the table below: lower than the flux asked "
          "for, as the core's exciting current takes part of the secondary "
          "current");
}

void tradBlocks(std::vector<Block>& out, const TradChecks& c, const NumberLocale& loc) {
  Items verdict;
  verdict.rows.emplace_back("Accuracy class", c.classText);
  if (const std::string t = tightestText(c.verdict, loc); !t.empty())
    verdict.rows.emplace_back("Tightest point", t);
  verdict.rows.emplace_back("Largest burden", c.burdenText);
  verdict.rows.emplace_back("Turns compensation", c.compensationText);
  saturationRows(verdict, c, loc);
  verdict.rows.emplace_back("Winding resistance Rw", readable(c.windingOhms, loc) + " \u03a9");
  add(out, std::move(verdict));

  Table points = tableOf(tradPointRows(c, loc), true);
  const LimitCheck& k = c.verdict.tightest;
  for (std::size_t i = 0; i < c.points.size() && i < points.rows.size(); ++i) {
    points.marked[i] = c.points[i].currentPercent == k.currentPercent &&
                       c.points[i].burdenPercent == k.burdenPercent;
  }
  add(out, envelopeOf(c));
  add(out, Paragraph{"Ratio error and phase displacement at each point, the secondary current Is "
                     "solved so that |Is + Ie| = k Ip / N; the point with the least room to its "
                     "class limit is highlighted."});
  add(out, std::move(points));
}

void summaryBlocks(std::vector<Block>& out, const CheckSummary& s, TextRows figures) {
  add(out, Items{{{"Verdict", s.verdict}}});
  Table items = tableOf(itemRows(s), false);
  items.head = {"check", "verdict"};
  for (std::size_t i = 0; i < s.items.size(); ++i)
    items.marked[i] = !s.items[i].pass;
  add(out, std::move(items));
  Items values;
  for (auto& row : figures)
    values.rows.emplace_back(row.at(0), row.at(1));
  add(out, std::move(values));
}

}  // namespace

EnvelopePlot envelopeOf(const TradChecks& c) {
  EnvelopePlot plot;
  plot.points = asErrorPoints(c.points);
  const std::string name = c.verdict.className.value_or(kComparisonClass);
  plot.limits = accuracyClass(name);
  plot.limitsCaption =
      "class " + name + " limits" + (c.verdict.className ? "" : " (for comparison: no class)");
  return plot;
}

std::vector<Block> checkBlocks(const std::optional<DesignChecks>& checks,
                               const NumberLocale& locale) {
  std::vector<Block> out;
  add(out, Heading{"Engineering Checks"});
  if (!checks) {
    add(out, Paragraph{"The design took no core, so there is no core to check."});
    return out;
  }
  const DesignChecks& d = *checks;
  add(out, Paragraph{d.type + " checks of " + d.part + " (" + d.material + ")."});
  if (!d.available()) {
    add(out, Paragraph{sentence(d.unavailable)});
    return out;
  }
  if (d.trad) tradBlocks(out, *d.trad, locale);
  if (d.smps) summaryBlocks(out, d.smps->summary, smpsFigureRows(*d.smps, locale));
  if (d.hall) summaryBlocks(out, d.hall->summary, hallFigureRows(*d.hall, locale));
  return out;
}

}  // namespace windara
