#pragma once
// The figures the IEC and IEEE current-transformer standards fix for the ratings beyond the IEC
// measuring classes (those are in accuracy_class.cpp), one table each, every row with the clause
// or source it comes from.

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace windara {

// Class P of IEC 61869-2:2012, Table 205 (5.6.202.2.4): at rated primary current the ratio
// error and phase displacement, at the accuracy limit primary current the composite error.
struct IecProtectionClass {
  const char* name;         // "5P"
  double ratioPercent;      // +- at rated current
  double phaseMinutes;      // +- at rated current; 0: no limit
  double compositePercent;  // at ALF x rated current
};
std::span<const IecProtectionClass> iecProtectionClasses();

// The standard accuracy limit factors, IEC 61869-2:2012, 5.6.202.2.1.
inline constexpr std::array<double, 5> kStandardAlfs = {5, 10, 15, 20, 30};

// The test burdens of IEC 61869-2:2012, 5.6.201.3 (measuring; read with its interpretation
// sheet ISH1:2022: the rule is about each test burden) and 5.6.202.2.4 (class P): 0.8
// inductive, but a power factor of 1 below 5 VA; the measuring classes hold from 25 % of the
// rated output, never below 1 VA, up to the rated output.
struct IecBurdenRule {
  double inductiveFromVa;
  double powerFactor;
  double lowerPercent;
  double leastVa;
};
inline constexpr IecBurdenRule kIecBurdenRule = {5.0, 0.8, 25.0, 1.0};

// The protection ratings take the winding at 75 C: copper, 0.00393 per kelvin from the 20 C
// the wire tables give. Class PX is specified with the secondary winding resistance Rct
// (IEC 61869-2:2012, 5.6.202.4), which IEC 60044-1 took corrected to 75 C; classes P and the
// IEEE relaying classes take the winding as hot, for want of a temperature of their own.
inline constexpr double kCopperPerKelvin = 0.00393;
inline constexpr double kWireTableCelsius = 20.0;
inline constexpr double kProtectionCelsius = 75.0;

// The standard burdens of IEEE C57.13-2016, Table 4 (C57.13-2008, Table 9): the impedance at
// 60 Hz of a 5 A secondary and its power factor; B-0.1 to B-1.8 for metering, B-1 to B-8 for
// relaying. The table gives each as a resistance and an inductance: at another frequency the
// reactance is 2 pi f L.
struct IeeeBurden {
  const char* name;
  double ohms;
  double powerFactor;
  bool relaying;
};
std::span<const IeeeBurden> ieeeBurdens();
std::optional<IeeeBurden> ieeeBurden(std::string_view name);
inline constexpr double kIeeeSecondaryAmps = 5.0;
inline constexpr double kIeeeBurdenHz = 60.0;

// The metering accuracy classes, best first: the RCF and TCF stay within 1 +- tolerance at
// 100 % of rated current and at the low current. 0.3, 0.6, 1.2 from IEEE C57.13-2016,
// Table 3 (low current 10 %); 0.15S and 0.15 from IEEE C57.13.6-2005, Table 2 (5 %).
struct IeeeMeteringClass {
  const char* name;
  double ratedTolerance;
  double lowCurrentPercent;
  double lowTolerance;
};
std::span<const IeeeMeteringClass> ieeeMeteringClasses();
// The TCF of a current transformer at a power factor of 0.6 lagging, the far side of the
// parallelogram the classes span from 0.6 to 1.0: TCF = RCF - beta / 2600, beta the phase angle in
// minutes, positive when the secondary current leads the primary. This formula, sign included, is
// derived here from the definition of the TCF (true watts over the watts measured through the
// transformer, divided by its marked ratio), not quoted: at a load lagging by theta, Is leading by
// beta meets the voltage at theta - beta, so TCF = RCF cos theta / cos(theta - beta)
// = RCF (1 - beta tan theta) to first order, and beta tan(acos 0.6) in minutes is beta / 2578.3,
// which 2600 rounds. A leading CT makes a lagging load's watts read high: its TCF is below 1.
inline constexpr double kTcfMinutes = 2600.0;

// The relaying classes C of IEEE C57.13-2016, 6.4.1 and Table 7: the secondary terminal
// voltage at 20 x rated current through a standard burden (5 A into B-1 gives 100 V) within a
// 10 % ratio correction. C10 to C50 through the metering burdens B-0.1 to B-0.5, at their own
// power factor (0.9) as the burden table gives it.
struct IeeeRelayingClass {
  const char* name;
  const char* burden;  // a row of ieeeBurdens()
};
std::span<const IeeeRelayingClass> ieeeRelayingClasses();
inline constexpr double kRelayingMultiple = 20.0;
inline constexpr double kRelayingCorrectionPercent = 10.0;

}  // namespace windara
