#include "files/rating_blocks.h"

#include "checks/rating_words.h"
#include "checks/wording.h"

namespace windara {

namespace {

Table pointsTable(const std::vector<Rating>& ratings, bool withTcf, const NumberLocale& loc) {
  Table t;
  t.head = {"Rating",          "Current (%)",       "Burden (%)",      "Is (A)",
            "Ie in phase (A)", "Ie 90° behind (A)", "Ratio error (%)", "RCF",
            "Phase (min)"};
  if (withTcf) t.head.emplace_back("TCF at pf 0.6");
  t.keyColumns = 3;
  for (const Rating& r : ratings) {
    const std::string name =
        ratingName(r) + (r.burden.name ? " at " + *r.burden.name : std::string());
    for (const RatingPoint& p : r.points) {
      std::vector<std::string> row = {name,
                                      formatGeneral(p.currentPercent, loc),
                                      formatGeneral(p.burdenPercent, loc),
                                      readable(p.Is, loc),
                                      readable(p.inPhaseAmps, loc),
                                      readable(p.quadratureAmps, loc),
                                      signedReadable(p.ratioErrorPercent, loc),
                                      formatPattern(p.rcf, "0.00000", loc),
                                      signedReadable(p.phaseMinutes, loc)};
      if (withTcf) row.push_back(p.tcf ? formatPattern(*p.tcf, "0.00000", loc) : std::string());
      t.rows.push_back(std::move(row));
      t.marked.push_back(r.holds && *r.holds);
    }
  }
  return t;
}

}  // namespace

std::vector<Block> ratingBlocks(const Session& s, const RatingChoice& choice) {
  const NumberLocale& loc = s.locale;
  std::vector<Block> out;
  add(out, Heading{"Rating: " + choiceTitle(choice, loc)});
  const std::optional<Outcome<ChosenRatings>> rated = rateChoice(s, choice);
  if (!rated) {
    add(out, Paragraph{"Only a Traditional core is rated against the standards."});
    return out;
  }
  if (!rated->checks) {
    add(out, Paragraph{sentence(rated->unavailable)});
    return out;
  }
  const std::vector<Rating>& ratings = rated->checks->ratings;
  for (const Rating& r : ratings) {
    std::string text = r.standard + " " + r.kind + " at " + ratingBurdenText(r, loc) + ": " +
                       ratingVerdictText(r, loc);
    if (const std::string f = ratingFiguresText(r, loc); !f.empty()) text += "; " + f;
    add(out, Paragraph{sentence(text)});
  }
  Table t = pointsTable(ratings, choice.kind == RatingKind::IeeeMetering, loc);
  if (!t.rows.empty()) add(out, std::move(t));
  return out;
}

}  // namespace windara
