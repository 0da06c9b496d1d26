#include "sweep/swept_design.h"

namespace windara {

namespace {

// "0.50" and "0.5" are one design; a text that is no number is compared as typed.
bool sameInput(const std::string& a, const std::string& b, const NumberLocale& locale) {
  if (a == b) return true;
  const std::optional<double> x = parseNumber(a, locale);
  const std::optional<double> y = parseNumber(b, locale);
  return x && y && *x == *y;
}

}  // namespace

SweptDesign sweptDesign(const Form& form, TextBox Form::*varied) {
  return {designOnForm(form), varied};
}

bool formHolds(const Form& form, const SweptDesign& swept, const NumberLocale& locale) {
  const DesignFileContents now = designOnForm(form);
  const DesignFileContents& then = swept.design;
  if (!now.holdsDesign() || now.type != then.type || now.material != then.material ||
      now.thickness != then.thickness)
    return false;
  for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k) {
    if (kDesignFileBoxes[k] == swept.varied) continue;
    if (!sameInput(now.texts[k], then.texts[k], locale)) return false;
  }
  return true;
}

}  // namespace windara
