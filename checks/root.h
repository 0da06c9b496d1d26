#pragma once
// A root of a continuous, monotone function within a bracket.

#include <cmath>

namespace windara {

struct Bracket {
  double lo;  // f(lo) <= 0
  double flo;
  double hi;  // f(hi) > 0
  double fhi;
  double last;  // the last estimate
};

// Regula falsi with the Illinois change: each step is the secant through the bracket's ends,
// so a nearly straight function settles in a few steps, and an end kept twice has its value
// halved, so both ends close in even on a sharply bent one. Stops when f at an estimate is
// within fTol of 0, when the bracket is narrower than xTol, or after 200 steps.
template <class F>
Bracket findRoot(F f, Bracket b, double xTol, double fTol) {
  int kept = 0;  // -1: lo kept last step, +1: hi kept
  for (int i = 0; i < 200 && b.hi - b.lo > xTol; ++i) {
    const double c = (b.lo * b.fhi - b.hi * b.flo) / (b.fhi - b.flo);
    const double fc = f(c);
    b.last = c;
    if (std::fabs(fc) <= fTol) {
      (fc <= 0 ? b.lo : b.hi) = c;
      (fc <= 0 ? b.flo : b.fhi) = fc;
      break;
    }
    if (fc <= 0) {
      b.lo = c;
      b.flo = fc;
      if (kept == 1) b.fhi /= 2;
      kept = 1;
    } else {
      b.hi = c;
      b.fhi = fc;
      if (kept == -1) b.flo /= 2;
      kept = -1;
    }
  }
  return b;
}

}  // namespace windara
