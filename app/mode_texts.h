#pragma once
// What each CT type writes on the form: the input rows' captions, tooltips and
// default texts, the output captions and the material captions.

#include <array>
#include <string>

#include "common/number.h"

namespace windara {

enum class Mode { Traditional, Hall, SMPS };

struct InputRow {
  const char* caption;
  const char* tooltip;
  std::string text;  // the default input
};

struct ModeTexts {
  std::array<InputRow, 6> inputs;        // Vout, frequency, current, density, turns, duty
  std::array<const char*, 4> outputs;    // lblReqL, lblWireSize, lblCore, lblActL
  std::array<const char*, 3> materials;  // optPperm, optQperm, optRperm
  // What the first result means, where its caption alone misleads (Traditional's
  // "Accuracy" is read as the CT's accuracy class); "" where it does not.
  const char* firstOutputTooltip = "";
};

// The fractional defaults are numbers written with the user's separator.
ModeTexts modeTexts(Mode mode, const NumberLocale& locale);

}  // namespace windara
