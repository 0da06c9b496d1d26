#include "cli/ratings_text.h"

#include <ostream>
#include <string>

#include "checks/rating_words.h"

namespace windara::cli {

void writeRatingsText(std::ostream& out, const std::optional<Outcome<std::vector<Rating>>>& ratings,
                      const NumberLocale& locale) {
  out << "\nRatings:\n";
  if (!ratings) {
    out << "  only a Traditional core is rated\n";
    return;
  }
  if (!ratings->checks) {
    out << "  " << ratings->unavailable << "\n";
    return;
  }
  for (const Rating& r : *ratings->checks) {
    // A relaying entry that reaches no class was asked about no burden.
    const bool burdenless = r.kind == "relaying" && !r.rating;
    out << "  " << r.standard << " " << r.kind
        << (burdenless ? std::string() : " at " + ratingBurdenText(r, locale)) << ": "
        << ratingVerdictText(r, locale) << "\n";
    if (!r.burdenNote.empty()) out << "    " << r.burdenNote << "\n";
    if (const std::string f = ratingFiguresText(r, locale); !f.empty()) out << "    " << f << "\n";
  }
}

}  // namespace windara::cli
