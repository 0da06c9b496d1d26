#pragma once
// The rows of a sweep as they come, one point at a time, so that a sweep of
// any length runs in the same memory: CSV (one header line, one line per
// point, RFC 4180) or one JSON object whose "points" array is written as it
// grows.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "sweep/sweep_axis.h"
#include "sweep/sweep_runner.h"

namespace windara::cli {

struct SweepHeading {
  const char* type = nullptr;  // "SMPS", "Traditional", "Hall Effect", or none
  std::vector<SweepAxis> axes;
  NumberLocale locale;  // of the box texts
};

class SweepOutput {
 public:
  virtual ~SweepOutput() = default;
  virtual void point(const std::vector<BoxValue>& values, const SweepPoint& point) = 0;
  // After the last point.
  virtual void finish() = 0;
};

// Each writes its heading at once.
std::unique_ptr<SweepOutput> csvSweepOutput(std::ostream& out, const SweepHeading& heading);
std::unique_ptr<SweepOutput> jsonSweepOutput(std::ostream& out, const SweepHeading& heading);

// A number with a period and as few digits as give it back exactly ("0.1",
// "1e-05", "250"); "" for one that is not finite.
std::string plainNumber(double value);

}  // namespace windara::cli
