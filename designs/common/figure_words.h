#pragma once
// The engines' figures and criteria in an engineer's words: the short names
// the engines, the JSON and the scripts use stay as they are; what a reader
// sees beside them is a heading with its unit, what the figure is, and which
// criteria are only the tables' end markers.

#include <string>
#include <string_view>

namespace windara {

struct FigureWords {
  std::string heading;     // "window (sq cm)": the name, or a plainer one, and its unit
  std::string unit;        // "sq cm"; "" for a pure number
  std::string meaning;     // one phrase for a legend; "" where the heading says it all
  double scale = 1.0;      // shown value = engine value x scale (one unit per quantity)
  bool endMarker = false;  // a test of a table's end-marker record, not of a core
};

// `type` as explanations name it ("SMPS", "Traditional", "Hall Effect"). A
// name the table does not know comes back as itself, with no unit.
FigureWords figureWords(std::string_view type, std::string_view name);

}  // namespace windara
