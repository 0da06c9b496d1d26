#pragma once
// The tape alloys and thicknesses they are made in, and the cores of the tape table as the
// adviser aims the design's searches at them.

#include <string>
#include <vector>

#include "common/number.h"
#include "designs/trad/tape_core_table.h"

namespace windara {

// An alloy in one thickness it is made in.
struct TapeCombo {
  int material;       // the design file's material code
  int mils;           // and thickness code
  const char* alloy;  // the letter ending the part number
  float factor;       // scales the table's 2 mil area to this tape's
  double bmaxLimit;   // the largest Bmax the alloy's check lets pass, gauss
};

inline constexpr TapeCombo kCombos[] = {
    {1, 2, "S", 1.0F, 15000},  {1, 4, "S", 1.06F, 15000}, {2, 2, "T", 1.0F, 11500},
    {2, 4, "T", 1.06F, 11500}, {3, 1, "P", 0.88F, 6000},  {3, 2, "P", 1.0F, 6000},
};

// A record as the searches see it.
struct TapeRecord {
  std::string stem;
  double area = 0;
  double window = 0;
  double od = 0;
  double height = 0;
  double volume = 0;
  double areaBefore = 0;  // the largest area of the records before it
};

// The records both of the design's searches can stop at, in the table's order: those before
// the end marker whose fields are numbers.
std::vector<TapeRecord> tapeRecords(const TapeCoreTable& t, const NumberLocale& locale);

}  // namespace windara
