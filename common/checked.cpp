#include "common/checked.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace windara {

double checked(double value) {
  if (!std::isfinite(value)) throw CalcError("overflow");
  return value;
}

double divide(double numerator, double denominator) {
  if (denominator == 0.0) throw CalcError("division by zero");
  return checked(numerator / denominator);
}

double ln(double value) {
  if (!(value > 0.0)) throw CalcError("invalid procedure call");
  return checked(std::log(value));
}

double power(double base, double exponent) {
  if (base < 0.0 && exponent != std::trunc(exponent)) throw CalcError("invalid procedure call");
  if (base == 0.0 && exponent < 0.0) throw CalcError("division by zero");
  return checked(std::pow(base, exponent));
}

float toSingle(double value) {
  checked(value);
  const auto single = static_cast<float>(value);
  if (std::isinf(single)) throw CalcError("overflow");
  return single;
}

namespace {
template <class Int>
Int roundToInt(double value) {
  checked(value);
  const double rounded = std::nearbyint(value);  // default mode: halves to even
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    throw CalcError("overflow");
  }
  return static_cast<Int>(rounded);
}
}  // namespace

std::int16_t toInt16(double value) {
  return roundToInt<std::int16_t>(value);
}
std::int32_t toInt32(double value) {
  return roundToInt<std::int32_t>(value);
}

}  // namespace windara
