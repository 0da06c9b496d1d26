#pragma once
// Single input changes that would make a Traditional design find a core, each
// computed in closed form from the formulas and tried on the catalogue.

#include <string>
#include <vector>

#include "designs/trad/trad_engine.h"

namespace windara {

// The core a single change would have to make fit: the largest before the end marker.
struct TradTarget {
  int record = 0;
  double area = 0.0;    // field 5, sq cm of 2 mil tape
  double window = 0.0;  // field 11, sq cm
};

// One change of an input, and the calculations that must all find a core for
// the change to be offered.
struct TradChange {
  std::string text;
  std::vector<TradInputs> trials;
};

bool findsCore(const TradInputs& in, const TapeCoreTable& table);
bool fits(const TradChange& c, const TapeCoreTable& table);

// Changes that give the target core enough area (Bmax, burden), enough window
// (current density) or both (turns ratio), nearest the threshold first; empty
// when the input cannot help. Several values are offered, stepping away from
// the threshold, against rounding on its edge.
std::vector<TradChange> bmaxChanges(const TradResult& r, const TradTarget& t);
std::vector<TradChange> burdenChanges(const TradResult& r, const TradTarget& t);
std::vector<TradChange> densityChanges(const TradResult& r, const TradTarget& t);
std::vector<TradChange> ratioChanges(const TradResult& r, const TradTarget& t);

// A figure for advice: three significant digits, thousands grouped ("7,160",
// "2.35", "0.0412").
std::string adviceFigure(double v);

}  // namespace windara
