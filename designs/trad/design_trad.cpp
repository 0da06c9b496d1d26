#include "designs/trad/design_trad.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "common/checked.h"
#include "designs/common/design_common.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"
#include "designs/trad/tape_core_table.h"
#include "designs/trad/trad_engine.h"
#include "designs/trad/trad_inputs.h"
#include "designs/trad/validate_trad.h"

namespace windara {

namespace {

// A figure of the core in a pattern, as formatPattern writes it. The last few texts of each
// precision are kept, for calculations in a row (a sweep) show the same core again and again;
// a text is taken again only for the same value (bit for bit), pattern and locale.
template <class T>
std::string keptPattern(T value, const char* pattern, const NumberLocale& locale) {
  using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
  struct Shown {
    Bits bits = 0;
    const char* pattern = nullptr;  // a literal: equal pointers, equal patterns
    NumberLocale locale;
    std::string text;
  };
  thread_local std::array<Shown, 4> kept;  // the catalogue's four figures, or area and hole
  thread_local std::size_t next = 0;
  const auto bits = std::bit_cast<Bits>(value);
  for (const Shown& k : kept)
    if (k.pattern == pattern && k.bits == bits && k.locale == locale) return k.text;
  Shown& k = kept[next];
  next = (next + 1) % kept.size();
  k = {bits, pattern, locale, formatPattern(value, pattern, locale)};
  return k.text;
}

// A catalogue figure in a pattern; a text that is no number is shown as it stands.
std::string formatCell(const Cell& cell, const char* pattern, const NumberLocale& locale) {
  if (const std::optional<double> v = comparable(cell)) return keptPattern(*v, pattern, locale);
  return cell.rawText();
}

void wireTooLarge(Session& s, std::int32_t density) {
  s.dialogs.message(std::string("Required wire size is larger than any in current database.\r") +
                        "Actual current density will be\r" + std::to_string(density) + " A/sq cm",
                    "Wire Size Too Large", Icon::None);
}

void coreAreaTooLarge(Session& s) {
  s.dialogs.message("Required core area is too large.\rTry reducing the burden or increasing Bmax.",
                    "Required Core Too Large", Icon::Critical);
}

void coreWindowTooLarge(Session& s) {
  s.dialogs.message(
      "Required core window is too large.\rTry reducing turns ratio or increasing current "
      "density.",
      "Required Core Large", Icon::Critical);
}

void fourMilNotMade(Session& s) {
  s.dialogs.message(
      "Core selected is not available in 4 mil material thickness.\rA 2 mil thickness variant "
      "has been chosen instead.",
      "4 mil Not Available", Icon::None);
}

void writeResults(Form& f, const NumberLocale& loc, const TapeCoreTable& table,
                  const TradRequirements& req, const TradCore& c) {
  auto field = [&](int n) -> const Cell& { return table.at(c.record, n); };
  step([&] { f.txtRequiredL.text = formatPattern(c.accuracy, "0.00", loc) + "%"; });
  f.txtWireSize.text = std::to_string(req.gauge);
  f.txtCore.text = c.part;
  step([&] { f.txtActualL.text = formatPattern(c.Ptot, "###,###,##0.###", loc); });
  step([&] { f.txtResID.text = keptPattern(c.residualID, "0.000", loc); });
  f.txtPartNum.text = f.txtCore.text;
  step([&] { f.txtID.text = formatCell(field(kTapeID), "0.000", loc); });
  step([&] { f.txtOD.text = formatCell(field(kTapeOD), "0.000", loc); });
  step([&] { f.txtHt.text = formatCell(field(kTapeHeight), "0.000", loc); });
  step([&] { f.txtAe.text = keptPattern(c.Ae, "0.000", loc); });
  step([&] { f.txtle.text = formatCell(field(kTapePathLength), "##.00", loc); });
}

}  // namespace

void DesignTradCT(Session& s) {
  Form& f = s.form;
  const NumberLocale& loc = s.locale;

  ValidateTradCT(s);
  const std::optional<TapeAlloy> alloy = CheckFluxDensity(s);
  const TradInputs in = readTradInputs(f, loc, alloy);

  // The catalogue is read afresh at every calculation, unless a sweep shares one.
  const std::shared_ptr<const TapeCoreTable> shared = tapeCoreTable(s);
  const TapeCoreTable& table = *shared;
  // Held here: the nested 2 mil calculation of a fallback keeps runs of its own.
  const std::shared_ptr<const TradResult> run = tradRun(s, in, shared);
  const TradResult& result = *run;
  const TradRequirements& req = result.requirements;
  if (req.wireTooLarge) wireTooLarge(s, req.gauge12Density);
  f.WireOhms = req.wireOhms;

  switch (result.search.stop) {
    case TradStop::None:
      break;
    case TradStop::CoreArea:
      coreAreaTooLarge(s);
      break;
    case TradStop::CoreWindow:
      coreWindowTooLarge(s);
      break;
    case TradStop::TableUnusable:
      reportTableProblem(s, kTapeCoreFile, table.problem);
      break;
  }
  if (!result.core) {
    writeNoDesign(f, true);
    return;
  }
  const TradCore& c = *result.core;
  if (c.fourMilFallback) {
    // The nested 2 mil design runs first; ours then replaces its results.
    f.select(f.opt2mil);
    fourMilNotMade(s);
  }
  writeResults(f, loc, table, req, c);
}

}  // namespace windara
