#pragma once
// One figure of a check set against its limit, with the verdict in words.

#include <string>
#include <vector>

#include "common/number.h"

namespace windara {

struct CheckItem {
  std::string name;  // "flux swing"
  double value = 0.0;
  double limit = 0.0;
  std::string unit;    // "G", "%", "V", "Hz"; "" for none
  bool atMost = true;  // the value may reach the limit but not pass it (else: reach at least)
  bool pass = false;
  std::string text;  // "flux swing 2,850 G, within 3,200 G"
};

// The item judged: within the limit passes, the limit itself included.
CheckItem judgeItem(std::string name, double value, double limit, std::string unit, bool atMost,
                    const NumberLocale& locale);

// A set of items and what they say together.
struct CheckSummary {
  std::vector<CheckItem> items;
  bool pass = false;       // every item passes
  std::string verdict;     // "SMPS checks: pass", or "SMPS checks: " and each failing text
  std::string statusLine;  // "SMPS: " and the first item's text when all pass, else verdict
};
CheckSummary summarize(const std::string& type, std::vector<CheckItem> items);

}  // namespace windara
