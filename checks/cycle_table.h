#pragma once
// The permeabilities of a flux cycle at evenly spaced values of a variable, worked out node by
// node as they are first read.

#include <atomic>
#include <cmath>
#include <cstddef>
#include <functional>
#include <memory>

namespace windara {

// For B(t) = Bp sin wt and H(t) = H(B(t)) (the magnetization curve; the loss, in phase with
// dB/dt, is apart): `fundamental` is Bp / (mu0 H1) with H1 the peak of H's fundamental,
// in phase with B, and `rms` is Bp / (mu0 sqrt2 Hrms). A sine of field (a straight B-H line)
// gives both equal to its mu. Below the permeability peak the field is flat-topped, its
// fundamental and rms larger than a sine of the same peak, so both lie below the amplitude
// permeability Bp / (mu0 H(Bp)); into saturation the field is peaked and both lie above it.
struct CyclePermeability {
  double fundamental = 0.0;
  double rms = 0.0;
};

// Nodes at from, from + step, ... to (at least three), read by a cubic in ln mu between them
// (Catmull-Rom; at the ends the slope of the parabola through the last three nodes, so that a
// table starting where its figures are stationary is read as closely there as elsewhere).
// A node is worked out by `node` when a reading first needs it: a check pays only for the
// peaks it meets, not for the whole table. Safe to read from several threads at once; two
// that work out the same node at the same time find the same figures.
class CycleTable {
 public:
  CycleTable() = default;
  CycleTable(double from, double to, int nodes, std::function<CyclePermeability(double)> node);
  // At or below `from`, the first node's. Without `rms`, its figure is left 0 and the
  // fundamental's is the same as with it.
  CyclePermeability at(double variable, bool rms = true) const;

 private:
  struct Node {
    std::atomic<double> lnFundamental, lnRms;  // not a number until worked out
  };
  const Node& node(std::size_t i) const {
    const Node& n = nodes_[i];
    if (std::isnan(n.lnFundamental.load(std::memory_order_acquire))) workOut(i);
    return n;
  }
  void workOut(std::size_t i) const;

  double from_ = 0.0, step_ = 1.0;
  std::size_t size_ = 0;
  std::function<CyclePermeability(double)> work_;
  std::unique_ptr<Node[]> nodes_;
};

}  // namespace windara
