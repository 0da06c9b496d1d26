#include "designs/trad/trad_inputs.h"

#include "common/checked.h"

namespace windara {

namespace {
float readSingle(const TextBox& box, const NumberLocale& locale) {
  return toSingle(toNumber(box.text, locale));
}
}  // namespace

TradInputs readTradInputs(const Form& f, const NumberLocale& locale,
                          const std::optional<TapeAlloy>& alloy) {
  TradInputs in;
  in.alloy = alloy.value_or(TapeAlloy{});
  in.locale = locale;
  in.thickness = f.opt1mil.selected ? 1 : f.opt2mil.selected ? 2 : f.opt4mil.selected ? 4 : 0;
  in.thicknessFactor = tapeThicknessFactor(in.thickness);
  step([&] { in.burden = readSingle(f.txtVoltage, locale); });
  step([&] { in.frequency = readSingle(f.txtFrequency, locale); });
  step([&] { in.primaryCurrent = readSingle(f.txtPriCurrent, locale); });
  step([&] { in.bmax = readSingle(f.txtDutyCyc, locale); });
  step([&] { in.ratio = readSingle(f.txtRatio, locale); });
  step([&] { in.currentDensity = readSingle(f.txtCurDens, locale); });
  return in;
}

}  // namespace windara
