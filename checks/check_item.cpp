#include "checks/check_item.h"

#include "checks/wording.h"

namespace windara {

CheckItem judgeItem(std::string name, double value, double limit, std::string unit, bool atMost,
                    const NumberLocale& locale) {
  CheckItem item{std::move(name), value, limit, std::move(unit), atMost, false, {}};
  item.pass = atMost ? value <= limit : value >= limit;
  const std::string u = item.unit.empty() ? "" : " " + item.unit;
  const char* relation = item.pass ? "within" : (atMost ? "above" : "below");
  item.text = item.name + " " + readable(value, locale) + u + ", " + relation + " " +
              readable(limit, locale) + u;
  return item;
}

CheckSummary summarize(const std::string& type, std::vector<CheckItem> items) {
  CheckSummary s{std::move(items), true, type + " checks: ", {}};
  const char* sep = "";
  for (const CheckItem& i : s.items) {
    if (i.pass) continue;
    s.pass = false;
    s.verdict += sep + i.text;
    sep = "; ";
  }
  if (s.pass) s.verdict += "pass";
  s.statusLine = s.pass && !s.items.empty() ? type + ": " + s.items.front().text : s.verdict;
  return s;
}

}  // namespace windara
