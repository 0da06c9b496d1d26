#include "designs/trad/validate_trad.h"

#include <optional>

#include "designs/common/design_common.h"

namespace windara {

namespace {

struct ElectricalCheck {
  TextBox Form::*box;
  const char* notNumeric;
  const char* notPositive;
  const char* request;
  const char* defaultText;
};

// Only the burden has its own sentence for a text that is not a number.
constexpr ElectricalCheck kChecks[] = {
    {&Form::txtVoltage, "Burden Resistance field requires a numeric entry.",
     "Burden Resistance field requires a numeric entry greater than zero.",
     "Please enter a value for Burden Resistance.", "5"},
    {&Form::txtFrequency, "Frequency field requires a numeric entry greater than zero.",
     "Frequency field requires a numeric entry greater than zero.",
     "Please enter a new value for Frequency.", "60"},
    {&Form::txtPriCurrent, "Current field requires a numeric entry greater than zero.",
     "Current field requires a numeric entry greater than zero.",
     "Please enter a new value for the Primary Current.", "10"},
    {&Form::txtRatio, "Turns Ratio field requires a numeric entry greater than zero.",
     "Turns Ratio field requires a numeric entry greater than zero.",
     "Please enter a value for the Turns Ratio.", "100"},
    {&Form::txtCurDens, "Current Density field requires a numeric entry greater than zero.",
     "Current Density field requires a numeric entry greater than zero.",
     "Please enter a value for Current Density.", "400"},
};

}  // namespace

std::optional<TapeAlloy> selectedAlloy(const Form& f) {
  if (f.optPperm.selected) return vardite();
  if (f.optQperm.selected) return halvane();
  if (f.optRperm.selected) return tormix();
  return std::nullopt;
}

void ValidateTradCT(Session& s) {
  for (const ElectricalCheck& c : kChecks) {
    TextBox& box = s.form.*c.box;
    // A text that passes every check below is read once: inputs are checked at every
    // calculation, and a sweep runs many.
    if (const std::optional<double> v = parseNumber(box.text, s.locale);
        v && *v > 0.0 && fitsSingle(*v))
      continue;
    askUntilFitsSingle(s, box, c.request, c.defaultText, [&] {
      askWhileNotNumeric(s, box, c.notNumeric, c.request, c.defaultText);
      askWhileNotPositive(s, box, c.notPositive, c.request, c.defaultText);
    });
  }
}

std::optional<TapeAlloy> CheckFluxDensity(Session& s) {
  Form& f = s.form;
  std::optional<TapeAlloy> alloy = selectedAlloy(f);
  if (!alloy) return alloy;
  askWhileNotNumeric(s, f.txtDutyCyc, "Bmax field requires a numeric entry.",
                     "Please enter a value for the Flux Densiity.", alloy->defaultBmax);
  askWhileOutOfRange(s, f.txtDutyCyc, 0.99, alloy->bmaxLimit, alloy->rangeSentence,
                     "Please enter a new value for Bmax.", alloy->defaultBmax);
  return alloy;
}

}  // namespace windara
