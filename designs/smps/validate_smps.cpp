#include "designs/smps/validate_smps.h"

#include <string>

#include "designs/common/design_common.h"

namespace windara {

void ValidateSMPS(Session& s) {
  Form& f = s.form;
  // The fractional defaults are numbers, so they follow the user's decimal separator.
  const std::string half = formatGeneral(0.5, s.locale);

  // Voltage and duty cycle may be zero or negative: only their form is checked.
  // Each box is asked again, last, when its number is out of the calculation's range.
  const auto numeric = [&s](TextBox& box, const char* complaint, const char* request,
                            const std::string& defaultText) {
    askUntilFitsSingle(s, box, request, defaultText,
                       [&] { askWhileNotNumeric(s, box, complaint, request, defaultText); });
  };
  numeric(f.txtVoltage, "Voltage field requires a numeric entry.",
          "Please enter a value for Output Voltage.", half);

  // A value that must be a number greater than zero: its form, then its value.
  const auto positive = [&s](TextBox& box, const char* complaint, const char* request,
                             const char* defaultText) {
    askUntilFitsSingle(s, box, request, defaultText, [&] {
      askWhileNotNumeric(s, box, complaint, request, defaultText);
      askWhileNotPositive(s, box, complaint, request, defaultText);
    });
  };
  positive(f.txtFrequency, "Frequency field requires a numeric entry greater than zero.",
           "Please enter a new value for Frequency.", "50");
  positive(f.txtPriCurrent, "Current field requires a numeric entry greater than zero.",
           "Please enter a new value for the Primary Current.", "10");

  numeric(f.txtDutyCyc, "Duty Cycle field requires a numeric entry.",
          "Please enter a value for the Duty Cycle.", half);

  positive(f.txtRatio, "Turns Ratio field requires a numeric entry greater than zero.",
           "Please enter a value for the Turns Ratio.", "100");
  positive(f.txtCurDens, "Current Density field requires a numeric entry greater than zero.",
           "Please enter a value for Current Density.", "400");
}

}  // namespace windara
