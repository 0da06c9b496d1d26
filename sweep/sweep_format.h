#pragma once
// How the points of a sweep are written as text: rows put together one at a
// time, on whichever thread calculated them, and written in order as they
// come, so that a sweep of any length runs in the same memory. CSV is here
// (one header line, one line per point, RFC 4180) for every program that
// saves sweeps.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sweep/sweep_axis.h"
#include "sweep/sweep_runner.h"

namespace windara {

struct SweepHeading {
  const char* type = nullptr;  // "SMPS", "Traditional", "Hall Effect", or none
  int typeCode = 0;            // of the same type, as design files give it
  std::vector<SweepAxis> axes;
  NumberLocale locale;  // of the box texts
};

class SweepFormat {
 public:
  virtual ~SweepFormat() = default;
  virtual void heading(std::string& out) const = 0;
  // Appends the row of point `index` (counted from 0). Changes nothing else,
  // so rows can be put together on several threads at once.
  virtual void row(std::string& out, std::int64_t index, const std::vector<BoxValue>& values,
                   const SweepPoint& point) const = 0;
  // After the last of `points` rows.
  virtual void ending(std::string& out, std::int64_t points) const = 0;
};

// `captions`, when given, make a second header line: each column's caption
// with its unit, one per column of the first line (sweepCaptions).
std::unique_ptr<SweepFormat> csvSweepFormat(const SweepHeading& heading,
                                            std::vector<std::string> captions = {});

// The CSV columns' captions as the form shows them in its mode, with the unit
// where the caption has none ("Accuracy (%)"): for a reader of the file, beside
// the box names that are the columns' keys.
std::vector<std::string> sweepCaptions(const Form& form, const SweepHeading& heading);

// Appends a number with a period and as few digits as give it back exactly
// ("0.1", "1e-05", "250"); `none` for a value that is missing or not finite.
void appendNumber(std::string& out, const std::optional<double>& value, std::string_view none);
// The same for the number a box's text shows (shownNumber): a sweep writes a dozen a point,
// and a plain decimal's own digits are written without reading its value.
void appendShownNumber(std::string& out, std::string_view text, const NumberLocale& locale,
                       std::string_view none);

}  // namespace windara
