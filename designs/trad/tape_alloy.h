#pragma once
// The three tape alloys of the Traditional design and what each brings to it.

namespace windara {

struct TapeAlloy {
  int number = 0;        // 1 S, 2 T, 3 P: selects the core-loss law
  float density = 0.0f;  // pounds per cubic centimetre
  // Texts of the program's own, never freed (no copy of a design's inputs allocates).
  const char* letter = "";  // ends the part number
  const char* defaultBmax = "";
  double bmaxLimit = 0.0;  // gauss, inclusive
  const char* rangeSentence = "";
};

TapeAlloy vardite();
TapeAlloy halvane();
TapeAlloy tormix();

}  // namespace windara
