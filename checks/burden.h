#pragma once
// A CT's burden as the engineer's order gives it (ohms, VA at a power factor, or an IEEE
// standard burden by name) and as the errors see it: an impedance R + jX.

#include <optional>
#include <string>
#include <string_view>

namespace windara {

// How a burden was given: the rules of the standards differ with it.
enum class BurdenForm { Ohms, VoltAmperes, Standard };

// R + jX, X above 0 for an inductive burden.
struct Burden {
  double ohms = 0.0;
  double reactanceOhms = 0.0;
  BurdenForm form = BurdenForm::Ohms;
  std::optional<std::string> name;  // the IEEE name, "B-0.5"

  double impedance() const;
  double powerFactor() const;  // 1 for no burden at all
  // The output (VA) at a secondary current (A rms).
  double voltAmperes(double secondaryAmps) const;
  // The same impedance angle at `fraction` of the impedance; the name goes.
  Burden scaled(double fraction) const;
};

// The burden as the engineer writes it, not yet tied to a CT.
struct BurdenOrder {
  BurdenForm form = BurdenForm::Ohms;
  double value = 0.0;  // ohms or VA; unused for a standard burden
  std::optional<double> powerFactor;
  std::string name;  // "B-0.5"
};

// "5ohm", "2.5VA@0.8", "2.5VA" (the power factor the IEC rules give the output) or an IEEE
// standard burden, "B-0.5"; blanks and letter case do not matter. None when the text is none of
// these or gives no finite figure: ohms and VA 0 or more, a power factor above 0 up to 1.
std::optional<BurdenOrder> parseBurden(std::string_view text);

// The impedance for a CT of that rated secondary current (A) working at `frequencyHz`. VA are
// taken at the rated secondary current, inductive. An IEEE burden keeps the output it has on a
// 5 A secondary, its impedance scaled by (5 A / Isr)^2; it is a resistance in series with an
// inductance, tabulated at 60 Hz, so its reactance follows the frequency (5/6 of it at 50 Hz).
Burden burdenFor(const BurdenOrder& order, double ratedSecondaryAmps, double frequencyHz = 60.0);

}  // namespace windara
