#include "advise/trad_words.h"

namespace windara {

std::string limitWords(const LimitCheck& check, const NumberLocale& locale) {
  const bool ratio = check.quantity == "ratio error";
  std::string s =
      check.quantity + " " + formatPattern(check.value, ratio ? "0.00" : "0.0", locale) +
      (ratio ? " %" : " min") + " at " + formatGeneral(check.currentPercent, locale) + " %";
  if (check.burdenPercent != 100)
    s += ", " + formatGeneral(check.burdenPercent, locale) + " % burden";
  return s;
}

std::string candidateWords(const Candidate& c, const NumberLocale& locale) {
  return c.core + " with " + formatPattern(c.turns, "###,###,##0", locale) +
         (c.turns == 1 ? " turn" : " turns");
}

std::string tradReason(const std::vector<Candidate>& failing, const TradRequirement& req,
                       const NumberLocale& locale) {
  if (failing.empty())
    return "no core of the table takes the windings: the turns allowed need a larger window "
           "or core area than any core offers";
  const Candidate& best = failing.front();
  // A rating of the IEC measuring classes reads as a class does; the others by their name.
  const bool named = req.rating && req.rating->family != RatingFamily::Measuring;
  const std::string& wanted = req.rating ? req.rating->className : req.className;
  const std::string asked = named            ? req.rating->name
                            : wanted.empty() ? "a class"
                                             : "class " + wanted;
  if (best.meetsClass) {
    std::string s = asked +
                    " is reached only outside the limits: the smallest candidate "
                    "holding it, " +
                    candidateWords(best, locale) + ", has ";
    for (std::size_t k = 0; k < best.missed.size(); ++k)
      s += (k ? ", " : "") + best.missed[k];
    if (best.missed.size() == 1) s += "; relaxing that limit alone lets it pass";
    return s;
  }
  std::string reached = named ? req.rating->name + " not reached" : "no class at all";
  if (best.className) reached = (named ? "" : "class ") + *best.className + " at most";
  std::string s =
      reached + ": the best candidate, " + candidateWords(best, locale) + ", has " + best.tightest;
  for (const std::string& m : best.missed)
    s += ", " + m;
  if (!best.relaxation.empty()) return s + "; " + best.relaxation;
  // The best misses other limits too: the nearest that the burden alone keeps from passing.
  for (const Candidate& c : failing)
    if (!c.relaxation.empty())
      return s + "; " + candidateWords(c, locale) + " misses no other limit: " + c.relaxation;
  return s;
}

}  // namespace windara
