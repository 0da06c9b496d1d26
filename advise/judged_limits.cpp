#include "advise/judged_limits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "advise/ranking.h"
#include "advise/trad_words.h"

namespace windara {

void judgeFigures(Candidate& c, const std::vector<JudgedFigure>& figures,
                  const NumberLocale& locale) {
  c.margin = std::numeric_limits<double>::infinity();
  std::vector<std::pair<double, std::string>> failed;
  for (const JudgedFigure& f : figures) {
    const double margin =
        std::isfinite(f.value) && f.limit > 0 ? (f.limit - f.value) / f.limit : -1e300;
    std::string words = f.name + " " + formatPattern(f.value, "###,###,##0.###", locale) + f.unit +
                        " against " + formatGeneral(f.limit, locale) + f.unit;
    if (margin < 0) failed.emplace_back(margin, words);
    if (margin < c.margin) {
      c.margin = margin;
      c.tightest = std::move(words);
    }
  }
  std::stable_sort(failed.begin(), failed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  c.failed.clear();
  for (auto& f : failed)
    c.failed.push_back(std::move(f.second));
  c.meetsClass = c.margin >= 0;
}

void keepNearest(std::vector<Candidate>& failing, std::size_t count) {
  std::stable_sort(failing.begin(), failing.end(), [](const Candidate& a, const Candidate& b) {
    if (a.meetsClass != b.meetsClass) return a.meetsClass;
    if (a.meetsClass && a.missed.size() != b.missed.size())
      return a.missed.size() < b.missed.size();
    return a.meetsClass || a.margin == b.margin ? ranksBefore(a, b) : a.margin > b.margin;
  });
  std::map<std::string, std::size_t> kept;
  std::erase_if(failing, [&](const Candidate& c) { return kept[c.group]++ >= count; });
}

std::string figuresReason(const std::vector<Candidate>& failing, const NumberLocale& locale) {
  if (failing.empty()) return "no core of the table takes the design with the turns allowed";
  const Candidate& best = failing.front();
  if (best.meetsClass) {
    std::string s = "the checks hold only outside the limits: the smallest candidate, " +
                    candidateWords(best, locale) + ", has ";
    for (std::size_t k = 0; k < best.missed.size(); ++k)
      s += (k ? ", " : "") + best.missed[k];
    if (best.missed.size() == 1) s += "; relaxing that limit alone lets it pass";
    return s;
  }
  std::string s = "no candidate holds the checks: the nearest, " + candidateWords(best, locale) +
                  ", has " + (best.failed.empty() ? best.tightest : best.failed[0]);
  for (std::size_t k = 1; k < best.failed.size(); ++k)
    s += ", " + best.failed[k];
  for (const std::string& m : best.missed)
    s += ", " + m;
  return s;
}

void takeNearest(Advice& advice, std::vector<Candidate> failing, std::size_t count,
                 const NumberLocale& locale) {
  keepNearest(failing, count);
  advice.reason = figuresReason(failing, locale);
  advice.candidates = std::move(failing);
}

}  // namespace windara
