#include "advise/tape_records.h"

#include <algorithm>

#include "advise/candidate_runner.h"

namespace windara {

std::vector<TapeRecord> tapeRecords(const TapeCoreTable& t, const NumberLocale& locale) {
  std::vector<TapeRecord> out;
  double largest = 0;
  for (int r = 1; r <= TapeCoreTable::kRecords; ++r) {
    const auto area = comparable(t.at(r, kTapeArea2mil));
    const auto window = comparable(t.at(r, kTapeWindow));
    const auto id = comparable(t.at(r, kTapeID));
    const auto od = comparable(t.at(r, kTapeOD));
    const auto height = comparable(t.at(r, kTapeHeight));
    if (!area || !window || !id || !od || !height) continue;
    // The end marker stops both searches: nothing after it is ever chosen.
    if (*area >= kTapeAreaEnd || *window >= kTapeWindowEnd) break;
    out.push_back({t.at(r, kTapeStem).generalText(locale), *area, *window, *od, *height,
                   toroidVolumeCm3(*id, *od, *height), largest});
    largest = std::max(largest, *area);
  }
  return out;
}

}  // namespace windara
