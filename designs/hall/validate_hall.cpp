#include "designs/hall/validate_hall.h"

#include <optional>
#include <string>

#include "common/checked.h"
#include "designs/common/design_common.h"

namespace windara {

namespace {

struct HallField {
  TextBox Form::*box;
  const char* notNumeric;
  const char* notPositive;
  const char* request;
  std::string defaultText;
};

// The design rounds the turns half to even into a 16-bit count; an entry that
// rounds to no turn at all, or beyond that range, cannot be used.
bool usableTurns(const std::optional<double>& v) {
  if (!v || *v <= 0.0) return false;
  try {
    return toInt16(*v) != 0;
  } catch (const CalcError&) {
    return false;
  }
}

constexpr const char* kTurnsOutOfRange =
    "Primary turns field requires an entry that rounds to a whole number from 1 to 32767.";

}  // namespace

void ValidateHall(Session& s) {
  Form& f = s.form;
  const HallField fields[] = {
      {&Form::txtVoltage, "Sensor output field requires a numeric entry.",
       "Sensor output field requires a numeric entry greater than zero.",
       "Please enter a value for sensor output.", "2"},
      {&Form::txtFrequency, "Sensitivity field requires a numeric entry greater than zero.",
       "Sensitivity field requires a numeric entry greater than zero.",
       "Please enter a new value for sensitivity.", "10"},
      {&Form::txtPriCurrent, "Current field requires a numeric entry greater than zero.",
       "Current field requires a numeric entry greater than zero.",
       "Please enter a new value for the primary current.", "100"},
      {&Form::txtRatio, "Primary turns field requires a numeric entry greater than zero.",
       "Primary turns field requires a numeric entry greater than zero.",
       "Please enter a value for primary turns.", "1"},
      {&Form::txtCurDens, "Conductor size field requires a numeric entry greater than zero.",
       "Conductor Size field requires a numeric entry greater than zero.",
       "Please enter a value for conductor size.", formatPattern(0.1, "0.000", s.locale)},
      {&Form::txtDutyCyc, "Sensor thickness field requires a numeric entry greater than zero.",
       "Sensor thickness field requires a numeric entry greater than zero.",
       "Please enter a value for sensor thickness.",
       // Written with the user's separator, or accepting it would never pass.
       formatPattern(0.5, "#.0", s.locale)},
  };

  for (const HallField& field : fields) {
    TextBox& box = f.*(field.box);
    askUntilFitsSingle(s, box, field.request, field.defaultText, [&] {
      askWhileNotNumeric(s, box, field.notNumeric, field.request, field.defaultText);
      askWhileNotPositive(s, box, field.notPositive, field.request, field.defaultText);
      if (field.box != &Form::txtRatio) return;
      // A positive entry that rounds to no turn, or to more than the count
      // holds, has its own complaint; anything else is asked as before.
      const std::string prompt = invalidEntryPrompt(kTurnsOutOfRange, field.request);
      std::optional<double> v;
      while (!usableTurns(v = parseNumber(box.text, s.locale))) {
        const bool positive = v && *v > 0.0;
        box.text = s.dialogs.input(
            positive ? prompt : invalidEntryPrompt(field.notPositive, field.request),
            "Invalid Entry", field.defaultText);
      }
    });
  }
}

}  // namespace windara
