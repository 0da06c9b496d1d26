// With A = N x I / B (ampere-turns per gauss) and c = le / mu of a row, the
// computed gap is lg = 0.3937 (0.4 x 3.14 x A - c) in, floored to t + 0.005
// when below t. A row takes it when lg is at most G, its column 8 reaches
// W = N x d, and B is within the material's limit. Each input moves A, W, B
// or t alone, so each gives a range of that input in which the row fits.

#include "designs/hall/hall_input_span.h"

#include <algorithm>
#include <cmath>

#include "common/checked.h"

namespace windara {

namespace {


// The range of A in which the row's floored gap fits it.
std::optional<HallSpan> ampereTurnSpan(const HallRowShape& r, double t) {
  if (r.gapRoom < t) return std::nullopt;
  const double hi = (r.gapRoom / kInchesPerCm + r.lePerMu) / kHallGilbertsPerAmpereTurn;
  // Below t the floor adds 0.005 in, which this row cannot take: lg must not fall below t.
  const double lo = r.gapRoom < t + kHallSensorRoom
                        ? (t / kInchesPerCm + r.lePerMu) / kHallGilbertsPerAmpereTurn
                        : 0.0;
  if (!(hi > 0.0)) return std::nullopt;
  return HallSpan{lo, hi};
}

}  // namespace

std::optional<HallRowShape> hallRowShape(const HallTable& table, int row) {
  std::optional<HallRowShape> shape;
  step([&] {
    auto at = [&](int column) { return table.at(row, column).value(); };
    if (!(at(6) > 0.0 && at(7) > 0.0)) return;
    const double room = std::min({at(8), (at(3) - at(2)) / 4.0, at(4) / 2.0});
    shape = HallRowShape{row, at(8), room, at(6) / at(7)};
  });
  return shape;
}

std::optional<HallSpan> hallInputSpan(HallBox box, const HallRowShape& r, const HallQuantities& n) {
  const bool fluxOk = n.flux > 0.0 && n.flux <= n.fluxLimit;
  const bool stackOk = n.stack <= r.limit;
  const double ni = n.turns * n.current;
  if (!(ni > 0.0)) return std::nullopt;
  if (box == HallBox::Thickness) {
    if (!fluxOk || !stackOk) return std::nullopt;
    const double raw = kInchesPerCm * (kHallGilbertsPerAmpereTurn * ni / n.flux - r.lePerMu);
    if (raw > r.gapRoom) return std::nullopt;
    const double most = std::max(raw, r.gapRoom - kHallSensorRoom);
    if (!(most > 0.0)) return std::nullopt;
    return HallSpan{0.0, most * 25.4};
  }
  const std::optional<HallSpan> a = ampereTurnSpan(r, n.thickness);
  if (!a) return std::nullopt;
  switch (box) {
    case HallBox::Conductor:
      if (!fluxOk || !a->contains(ni / n.flux)) return std::nullopt;
      return HallSpan{0.0, r.limit / n.turns};
    case HallBox::Turns: {
      if (!fluxOk || !(n.conductor > 0.0)) return std::nullopt;
      const double lo = std::max(1.0, std::ceil(a->lo * n.flux / n.current));
      const double hi = std::min(
          {std::floor(a->hi * n.flux / n.current), std::floor(r.limit / n.conductor), 32767.0});
      if (lo > hi) return std::nullopt;
      return HallSpan{lo, hi};
    }
    case HallBox::Current:
      if (!fluxOk || !stackOk) return std::nullopt;
      return HallSpan{a->lo * n.flux / n.turns, a->hi * n.flux / n.turns};
    case HallBox::SensorOutput:
    case HallBox::Sensitivity: {
      if (!stackOk) return std::nullopt;
      const double lo = ni / a->hi;
      const double cap = n.fluxLimit;
      const double hi = a->lo > 0.0 ? std::min(ni / a->lo, cap) : cap;
      if (lo > hi) return std::nullopt;
      if (box == HallBox::SensorOutput) {
        if (!(n.sensitivity > 0.0)) return std::nullopt;
        return HallSpan{lo * n.sensitivity / 1e6, hi * n.sensitivity / 1e6};
      }
      if (!(n.vout > 0.0)) return std::nullopt;
      return HallSpan{1000.0 * n.vout / hi, 1000.0 * n.vout / lo};
    }
    case HallBox::Thickness:
      break;
  }
  return std::nullopt;
}

}  // namespace windara
