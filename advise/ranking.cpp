#include "advise/ranking.h"

#include <algorithm>
#include <map>
#include <string>

namespace windara {

bool ranksBefore(const Candidate& a, const Candidate& b) {
  if (a.volumeCm3 != b.volumeCm3) return a.volumeCm3 < b.volumeCm3;
  if (a.margin != b.margin) return a.margin > b.margin;
  // Ties in a fixed order, whichever thread found them first.
  if (a.group != b.group) return a.group < b.group;
  return a.state.texts < b.state.texts;
}

std::vector<Candidate> bestPerGroup(std::vector<Candidate> all, std::size_t count) {
  std::stable_sort(all.begin(), all.end(), ranksBefore);
  std::map<std::string, std::size_t> kept;
  std::vector<Candidate> out;
  for (Candidate& c : all)
    if (kept[c.group]++ < count) out.push_back(std::move(c));
  return out;
}

bool takeBest(Advice& advice, std::vector<Candidate> passing, std::size_t count) {
  advice.candidates = bestPerGroup(std::move(passing), count);
  if (advice.candidates.empty()) return false;
  advice.best = 0;
  return true;
}

}  // namespace windara
