#pragma once
// The ratings of IEC 61869-2: the measuring classes at a burden with its power factor, the
// protection classes 5P and 10P with their accuracy limit factor, and class PX.

#include <optional>
#include <utility>
#include <vector>

#include "checks/rating.h"

namespace windara {

// The lower test burden of the measuring classes and its percent of the rated one (5.6.201.3):
// 25 % but at least 1 VA at the rated secondary current, however the burden was given, and
// never above the rated burden (100 % then: the rated burden is the only one). Of a burden
// given in VA, at a power factor of 1 below 5 VA; otherwise at the rated burden's angle.
std::pair<Burden, double> lowerBurden(const Burden& rated, double ratedSecondaryAmps);

// The measuring class at the rated and the lower burden, at kCurrentPercents of rated current;
// at the rated burden alone when the lower one is the same.
Rating iecMeasuring(const RatedCore& core, const Burden& rated);

// The composite error (%) at `factor` x rated current: the rms exciting current at the
// secondary limiting e.m.f. E = factor Isr |Rct + Zb| over the current, 100 Ie / (factor Isr),
// as the standard's indirect method has it for a ring core with a distributed winding.
double compositeErrorPercent(const RatedCore& core, const Burden& burden, double factor);

// A protection rating's composite error is reported at most as this: beyond it the exciting
// current exceeds the primary current and the indirect method no longer describes the CT.
inline constexpr double kCompositeCeilingPercent = 100.0;

// 5P and 10P: the ratio error and phase displacement at rated current with the winding at
// 75 C, and the composite error at the accuracy limit factor, `alf` or else the highest
// standard one that holds; then 5PR and 10PR, not judged (the alloy data give no remanence).
std::vector<Rating> iecProtection(const RatedCore& core, const Burden& burden,
                                  std::optional<double> alf);

// PX: the knee-point e.m.f., the exciting current there and Rct at 75 C; with a dimensioning
// factor Kx, whether Ek >= Kx Isr |Rct + Zb| (Rct + Rb for a resistive burden).
Rating iecPx(const RatedCore& core, const Burden& burden, std::optional<double> kx);

}  // namespace windara
