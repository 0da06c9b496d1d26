#include "checks/cycle_table.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace windara {

CycleTable::CycleTable(double from, double to, int nodes,
                       std::function<CyclePermeability(double)> node)
    : from_(from),
      step_((to - from) / (nodes - 1)),
      size_(static_cast<std::size_t>(nodes)),
      work_(std::move(node)),
      nodes_(std::make_unique<Node[]>(size_)) {
  for (std::size_t i = 0; i < size_; ++i) {
    nodes_[i].lnFundamental.store(std::numeric_limits<double>::quiet_NaN());
    nodes_[i].lnRms.store(std::numeric_limits<double>::quiet_NaN());
  }
}

void CycleTable::workOut(std::size_t i) const {
  Node& n = nodes_[i];
  const CyclePermeability c = work_(from_ + static_cast<double>(i) * step_);
  n.lnRms.store(std::log(c.rms), std::memory_order_relaxed);
  n.lnFundamental.store(std::log(c.fundamental), std::memory_order_release);
}

namespace {

// Catmull-Rom from y0 (t = 0) to y1 (t = 1), ym and y2 the nodes either side; `first` and
// `last` when the stretch begins or ends the table.
double cubic(double ym, double y0, double y1, double y2, bool first, bool last, double t) {
  const double m0 = first ? (4 * y1 - 3 * y0 - y2) / 2 : (y1 - ym) / 2;
  const double m1 = last ? (3 * y1 - 4 * y0 + ym) / 2 : (y2 - y0) / 2;
  const double u = 1 - t;
  return (y0 * (1 + 2 * t) + m0 * t) * u * u + (y1 * (3 - 2 * t) - m1 * u) * t * t;
}

}  // namespace

CyclePermeability CycleTable::at(double variable, bool rms) const {
  const double x = (variable - from_) / step_;
  if (!(x > 0)) {
    const Node& n = node(0);
    return {std::exp(n.lnFundamental.load(std::memory_order_relaxed)),
            rms ? std::exp(n.lnRms.load(std::memory_order_relaxed)) : 0.0};
  }
  const std::size_t i = std::min(static_cast<std::size_t>(x), size_ - 2);
  const bool first = i == 0, last = i + 2 == size_;
  // The four nodes the stretch from i to i + 1 reads: i - 1 to i + 2, or at an end the
  // three nearest it.
  const Node& a = node(first ? 2 : i - 1);
  const Node& b = node(i);
  const Node& c = node(i + 1);
  const Node& d = last ? a : node(i + 2);
  auto f = [](const Node& n) { return n.lnFundamental.load(std::memory_order_relaxed); };
  auto r = [](const Node& n) { return n.lnRms.load(std::memory_order_relaxed); };
  const double t = x - static_cast<double>(i);
  return {std::exp(cubic(f(a), f(b), f(c), f(d), first, last, t)),
          rms ? std::exp(cubic(r(a), r(b), r(c), r(d), first, last, t)) : 0.0};
}

}  // namespace windara
