// The SMPS inputs as the design reads them from the boxes.

#include "common/checked.h"
#include "designs/smps/smps_engine.h"
#include "form/form.h"

namespace windara {

void setSmpsInput(SmpsInputs& in, SmpsInput box, double typed) {
  switch (box) {
    case SmpsInput::Voltage:
      in.V = toSingle(typed);
      break;
    // Typed in kHz; the product is taken at double precision before it is stored.
    case SmpsInput::Frequency:
      in.f = toSingle(typed * 1000.0);
      break;
    case SmpsInput::PrimaryCurrent:
      in.Ip = toSingle(typed);
      break;
    case SmpsInput::DutyCycle:
      in.D = toSingle(typed);
      break;
    case SmpsInput::Ratio:
      in.N = toSingle(typed);
      break;
    case SmpsInput::CurrentDensity:
      in.J = toSingle(typed);
      break;
  }
}

namespace {
SmpsGrade selectedGrade(const Form& f) {
  if (f.optPperm.selected) return {"P", 0};
  if (f.optQperm.selected) return {"Q", 1};
  if (f.optRperm.selected) return {"R", 2};
  return {};
}
}  // namespace

SmpsInputs readSmpsInputs(const Form& f, const NumberLocale& locale) {
  SmpsInputs in;
  in.locale = locale;
  const std::pair<SmpsInput, const TextBox*> boxes[] = {
      {SmpsInput::Voltage, &f.txtVoltage},     {SmpsInput::DutyCycle, &f.txtDutyCyc},
      {SmpsInput::Frequency, &f.txtFrequency}, {SmpsInput::PrimaryCurrent, &f.txtPriCurrent},
      {SmpsInput::Ratio, &f.txtRatio},         {SmpsInput::CurrentDensity, &f.txtCurDens},
  };
  for (const auto& entry : boxes)
    step([&] { setSmpsInput(in, entry.first, toNumber(entry.second->text, locale)); });
  in.grade = selectedGrade(f);
  return in;
}

}  // namespace windara
