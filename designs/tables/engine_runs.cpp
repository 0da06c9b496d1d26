#include "designs/tables/engine_runs.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace windara {

namespace {

// Equal bit for bit, so that 0 and -0 (or two NaNs) are never taken for each other.
bool same(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

EngineRuns& runs(const Session& s) {
  if (!s.runs) s.runs = std::make_shared<EngineRuns>();
  return *s.runs;
}

template <class Inputs, class Table, class Result, class Compute>
std::shared_ptr<const Result> remembered(RunMemo<Inputs, Table, Result>& memo, const Inputs& in,
                                         const std::shared_ptr<const Table>& table,
                                         Compute compute) {
  if (std::shared_ptr<const Result> kept = memo.find(in, table.get())) return kept;
  return memo.keep(in, table, compute());
}

}  // namespace

bool sameSmpsInputs(const SmpsInputs& a, const SmpsInputs& b) {
  return same(a.V, b.V) && same(a.D, b.D) && same(a.f, b.f) && same(a.Ip, b.Ip) && same(a.N, b.N) &&
         same(a.J, b.J) && a.grade.letter == b.grade.letter && a.grade.index == b.grade.index &&
         a.locale == b.locale;
}

bool sameTradInputs(const TradInputs& a, const TradInputs& b) {
  return same(a.burden, b.burden) && same(a.frequency, b.frequency) &&
         same(a.primaryCurrent, b.primaryCurrent) && same(a.bmax, b.bmax) &&
         same(a.ratio, b.ratio) && same(a.currentDensity, b.currentDensity) &&
         a.alloy.number == b.alloy.number && same(a.alloy.density, b.alloy.density) &&
         std::string_view(a.alloy.letter) == b.alloy.letter &&
         std::string_view(a.alloy.defaultBmax) == b.alloy.defaultBmax &&
         std::bit_cast<std::uint64_t>(a.alloy.bmaxLimit) ==
             std::bit_cast<std::uint64_t>(b.alloy.bmaxLimit) &&
         std::string_view(a.alloy.rangeSentence) == b.alloy.rangeSentence &&
         a.thickness == b.thickness && same(a.thicknessFactor, b.thicknessFactor) &&
         a.locale == b.locale;
}

bool sameHallInputs(const HallRunInputs& a, const HallRunInputs& b) {
  const HallInputs& x = a.inputs;
  const HallInputs& y = b.inputs;
  return same(x.vout, y.vout) && same(x.thickness, y.thickness) &&
         same(x.sensitivity, y.sensitivity) && same(x.current, y.current) && x.turns == y.turns &&
         same(x.conductor, y.conductor) && x.material == y.material && a.locale == b.locale;
}

std::shared_ptr<const SmpsOutcome> smpsRun(const Session& s, const SmpsInputs& in,
                                           const std::shared_ptr<const FerriteTable>& table) {
  return remembered(runs(s).smps, in, table,
                    [&] { return searchSmps(in, smpsRequirements(in), *table); });
}

std::shared_ptr<const TradResult> tradRun(const Session& s, const TradInputs& in,
                                          const std::shared_ptr<const TapeCoreTable>& table) {
  return remembered(runs(s).trad, in, table, [&] { return calculateTradCT(in, *table); });
}

std::shared_ptr<const HallResult> hallRun(const Session& s, const HallInputs& in,
                                          const std::shared_ptr<const HallTable>& table) {
  return remembered(runs(s).hall, HallRunInputs{in, s.locale}, table,
                    [&] { return runHallDesign(in, *table, s.locale); });
}

}  // namespace windara
