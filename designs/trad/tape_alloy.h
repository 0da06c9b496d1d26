#pragma once
// The three tape alloys of the Traditional design and what each brings to it.

#include <string>

namespace windara {

struct TapeAlloy {
  int number = 0;        // 1 S, 2 T, 3 P: selects the core-loss law
  float density = 0.0f;  // pounds per cubic centimetre
  std::string letter;    // ends the part number
  std::string defaultBmax;
  double bmaxLimit = 0.0;  // gauss, inclusive
  std::string rangeSentence;
};

TapeAlloy vardite();
TapeAlloy halvane();
TapeAlloy tormix();

}  // namespace windara
