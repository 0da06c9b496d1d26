#include "designs/smps/validate_smps.h"

#include <string>

#include "designs/common/design_common.h"

namespace windara {

void ValidateSMPS(Session& s) {
  Form& f = s.form;
  // The fractional defaults are numbers, so they follow the user's decimal separator.
  const std::string half = formatGeneral(0.5, s.locale);

  // Voltage and duty cycle may be zero or negative: only their form is checked.
  askWhileNotNumeric(s, f.txtVoltage, "Voltage field requires a numeric entry.",
                     "Please enter a value for Output Voltage.", half);

  const char* freqComplaint = "Frequency field requires a numeric entry greater than zero.";
  const char* freqRequest = "Please enter a new value for Frequency.";
  askWhileNotNumeric(s, f.txtFrequency, freqComplaint, freqRequest, "50");
  askWhileNotPositive(s, f.txtFrequency, freqComplaint, freqRequest, "50");

  const char* currentComplaint = "Current field requires a numeric entry greater than zero.";
  const char* currentRequest = "Please enter a new value for the Primary Current.";
  askWhileNotNumeric(s, f.txtPriCurrent, currentComplaint, currentRequest, "10");
  askWhileNotPositive(s, f.txtPriCurrent, currentComplaint, currentRequest, "10");

  askWhileNotNumeric(s, f.txtDutyCyc, "Duty Cycle field requires a numeric entry.",
                     "Please enter a value for the Duty Cycle.", half);

  const char* ratioComplaint = "Turns Ratio field requires a numeric entry greater than zero.";
  const char* ratioRequest = "Please enter a value for the Turns Ratio.";
  askWhileNotNumeric(s, f.txtRatio, ratioComplaint, ratioRequest, "100");
  askWhileNotPositive(s, f.txtRatio, ratioComplaint, ratioRequest, "100");

  const char* densityComplaint =
      "Current Density field requires a numeric entry greater than zero.";
  const char* densityRequest = "Please enter a value for Current Density.";
  askWhileNotNumeric(s, f.txtCurDens, densityComplaint, densityRequest, "400");
  askWhileNotPositive(s, f.txtCurDens, densityComplaint, densityRequest, "400");
}

}  // namespace windara
