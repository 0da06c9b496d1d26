#pragma once
// The reference a sweep point must equal: a design file holding the point's
// texts, opened on a fresh program and then calculated once more with
// Calculate, as a user would do it by hand.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/number.h"
#include "sweep/point_checks.h"

namespace windara::testing {

// A design file's fields: type code, the six texts in the file's order
// (txtVoltage, txtFrequency, txtPriCurrent, txtDutyCyc, txtRatio, txtCurDens),
// material code and, for Traditional, thickness code.
struct DesignSpec {
  int type = 4;
  std::array<std::string, 6> texts;
  int material = 2;
  int thickness = 0;
  std::string fileText() const;
};

struct SingleDesign {
  std::array<std::string, 6> inputs;    // as kInputBoxes
  std::array<std::string, 12> outputs;  // as kOutputBoxes; empty when invalid
  std::vector<std::string> titles;      // of the Calculate pressed after opening
  std::optional<std::string> invalid;   // complaint of the first input box asked
  std::optional<PointChecks> checks;    // of the core found, on tables read afresh
};

// Opens `spec` on a fresh program reading the tables from disk. A file that
// holds no design opens as it is and `typed` (box name, text) is then typed
// into the form before Calculate; otherwise `typed` is ignored.
SingleDesign openAndCalculate(const DesignSpec& spec, const NumberLocale& locale,
                              const std::vector<std::pair<std::string, std::string>>& typed = {});

}  // namespace windara::testing
