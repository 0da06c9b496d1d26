#pragma once
// Checked arithmetic for the design calculations.
//
// A design runs statement by statement; a statement whose computation fails
// (division by zero, overflow, a text used as a number, a read past the end of
// a file) is skipped and leaves its target as it was. The helpers here throw
// CalcError for such a failure and `step` catches it.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace windara {

struct CalcError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Runs one statement of a calculation. Returns false (and swallows the error)
// when the statement failed, so its target keeps its old value.
template <class F>
bool step(F&& statement) {
  try {
    std::forward<F>(statement)();
    return true;
  } catch (const CalcError&) {
    return false;
  }
}

// A finite double, or CalcError (overflow).
double checked(double value);
double divide(double numerator, double denominator);
double ln(double value);
double power(double base, double exponent);

// Rounds a double to single precision; out of the single range is an overflow.
float toSingle(double value);

// Nearest whole number, halves to the even neighbour; out of range is an overflow.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

}  // namespace windara
