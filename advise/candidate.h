#pragma once
// A design the adviser found: a form state (what a design file holds) and what Calculate and
// the checks make of it, judged against the requirement.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/design_file.h"

namespace windara {

struct Candidate {
  DesignFileContents state;  // the six input texts, material and thickness
  std::string group;         // the alloy or grade the best few are kept per ("S", "Q", "Ovimax")
  std::string material;      // as the checks name it: "tape S 2 mil", "ferrite Q"
  std::string core;          // txtCore as Calculate shows it
  std::optional<std::string> className;  // Traditional: the class the checks find
  bool meetsClass = false;  // the checks' verdict meets what was asked (class, droop...)
  bool pass = false;        // and every limit of the requirement holds too
  // Of the tightest check: (limit - |value|) / limit, negative when it fails.
  double margin = 0;
  std::string tightest;  // that check in words: "ratio error -0.71 % at 5 %"
  double volumeCm3 = 0;  // of the core's outline, from its OD, ID and height
  std::string losses;    // txtActualL (Traditional total losses, mW)
  std::string wire;      // txtWireSize (AWG)
  std::string hole;      // txtResID, the hole left for the primary
  double turns = 0;
  // One of these by type: Traditional instrument security factor, SMPS droop (%), Hall
  // Effect saturation margin (Bsat / B - 1).
  std::optional<double> securityFactor;
  std::optional<double> droopPercent;
  std::optional<double> saturationMargin;
  // The limits of the requirement it misses, each "OD 1.250 in above 1".
  std::vector<std::string> missed;
  // For one that misses the class: what alone would let it hold it, in words; may be empty.
  std::string relaxation;
  // SMPS and Hall Effect: every check it fails, in words, the tightest first.
  std::vector<std::string> failed;
};

struct Advice {
  std::vector<Candidate> candidates;  // best first
  std::optional<std::size_t> best;    // into candidates; none when none passes
  std::string reason;                 // why none passes; empty when one does
  std::int64_t searched = 0;          // designs calculated
};

}  // namespace windara
