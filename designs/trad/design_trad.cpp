#include "designs/trad/design_trad.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/checked.h"
#include "designs/common/design_common.h"
#include "designs/trad/core_loss.h"
#include "designs/trad/tape_core_table.h"
#include "designs/trad/validate_trad.h"
#include "designs/trad/winding.h"
#include "wire/wire.h"

namespace windara {

namespace {

constexpr int kSmallestGauge = 12;
constexpr int kFinestGauge = 42;
constexpr double kCmPerCircularMil = 0.000005067;
constexpr double kGauge12CircularMils = 6529.0;

float readSingle(const TextBox& box, const NumberLocale& locale) {
  return toSingle(toNumber(box.text, locale));
}

// A catalogue figure in a pattern; a text that is no number is shown as it stands.
std::string formatCell(const Cell& cell, const char* pattern, const NumberLocale& locale) {
  if (const std::optional<double> v = comparable(cell)) return formatPattern(*v, pattern, locale);
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

// The record that is large enough in core area and then in window, or nothing
// after telling the user which requirement no core meets.
std::optional<int> findCore(Session& s, const TapeCoreTable& table, float areaNeeded,
                            float windowNeeded) {
  // The end marker's sentinel is larger than any real core; a table without
  // one still ends at its last record.
  std::optional<int> r = firstRecordAbove(table, kTapeArea2mil, areaNeeded, 1);
  if (!r || comparable(table.at(*r, kTapeArea2mil)) == kTapeAreaEnd) {
    coreAreaTooLarge(s);
    return std::nullopt;
  }
  // The area's record stays when its window equals the need exactly.
  const std::optional<double> window = comparable(table.at(*r, kTapeWindow));
  if (!window || *window < windowNeeded) {
    r = firstRecordAbove(table, kTapeWindow, windowNeeded, *r);
  }
  if (!r || comparable(table.at(*r, kTapeWindow)) == kTapeWindowEnd) {
    coreWindowTooLarge(s);
    return std::nullopt;
  }
  return r;
}

}  // namespace

void DesignTradCT(Session& s) {
  Form& f = s.form;
  const NumberLocale& loc = s.locale;

  ValidateTradCT(s);
  const TapeAlloy alloy = CheckFluxDensity(s).value_or(TapeAlloy{});

  int thickness = 0;
  float factor = 0.0f;
  if (f.opt1mil.selected) {
    thickness = 1;
    factor = 0.88f;
  } else if (f.opt2mil.selected) {
    thickness = 2;
    factor = 1.0f;
  } else if (f.opt4mil.selected) {
    thickness = 4;
    factor = 1.06f;
  }

  float R = 0, freq = 0, Ip = 0, Bmax = 0, N = 0, J = 0;
  step([&] { R = readSingle(f.txtVoltage, loc); });
  step([&] { freq = readSingle(f.txtFrequency, loc); });
  step([&] { Ip = readSingle(f.txtPriCurrent, loc); });
  step([&] { Bmax = readSingle(f.txtDutyCyc, loc); });
  step([&] { N = readSingle(f.txtRatio, loc); });
  step([&] { J = readSingle(f.txtCurDens, loc); });

  float Is = 0, Vs = 0, Areq = 0, A2 = 0;
  step([&] { Is = toSingle(divide(Ip, N)); });
  step([&] { Vs = toSingle(double{R} * Is); });
  step([&] { Areq = toSingle(divide(1e8 * Vs, double{Bmax} * 4.44 * freq * N)); });
  step([&] { A2 = toSingle(divide(Areq, factor)); });

  // The gauge whose copper carries Is at about the asked current density.
  std::int16_t awg = 0;
  step([&] { awg = toInt16(-4.31 * ln(divide(1.889 * Is, J))); });
  if (awg > kFinestGauge) {
    awg = kFinestGauge;
  } else if (awg < kSmallestGauge) {
    awg = kSmallestGauge;
    // Wide enough that a large secondary current still shows its true density.
    std::int32_t density = 0;
    step([&] { density = toInt32(divide(Is, kGauge12CircularMils * kCmPerCircularMil)); });
    wireTooLarge(s, density);
  }

  float d = 0, Aw = 0, Wreq = 0;
  step([&] { d = toSingle(WireDia(f, awg)); });
  step([&] {
    const double radiusCm = d * 2.54 / 2.0;
    Aw = toSingle(3.14 * radiusCm * radiusCm);
  });
  // The winding may fill a fifth of the window.
  step([&] { Wreq = toSingle(divide(double{N} * Aw, 0.2)); });

  const TapeCoreTable table = readTapeCoreTable(s.programDir);
  if (!table.ok()) {
    reportTableProblem(s, kTapeCoreFile, table.problem);
    writeNoDesign(f, true);
    return;
  }

  const std::optional<int> found = findCore(s, table, A2, Wreq);
  if (!found) {
    writeNoDesign(f, true);
    return;
  }
  const int r = *found;
  auto field = [&](int n) -> const Cell& { return table.at(r, n); };

  if (field(kTape4milMade).isTextEqual("N") && thickness == 4) {
    // The nested 2 mil design runs first; ours then replaces its results.
    f.select(f.opt2mil);
    thickness = 2;
    factor = 1.0f;
    fourMilNotMade(s);
  }

  float Ae = 0, B = 0, V = 0, Pfe = 0;
  step([&] { Ae = toSingle(double{factor} * field(kTapeArea2mil).value()); });
  step([&] { B = toSingle(divide(1e4 * Vs, double{Ae} * 4.44 * freq * N)); });
  step([&] { V = toSingle(field(kTapePathLength).value() * Ae); });
  if (const std::optional<CoreLossLaw> law = coreLossLaw(alloy.number, thickness)) {
    step([&] {
      Pfe = toSingle(
          checked(law->k * power(freq, law->a) * power(B, law->b) * V * double{alloy.density}));
    });
  }

  double windID = 0, windOD = 0, windHt = 0;
  // A ratio beyond 16 bits still has to be wound, or the hole would look empty.
  std::int32_t turns = 0;
  step([&] { windID = field(kTapeWindID).value(); });
  step([&] { windOD = field(kTapeWindOD).value(); });
  step([&] { windHt = field(kTapeWindHeight).value(); });
  step([&] { turns = toInt32(N); });
  const Winding winding = windLayers(windID, windOD, windHt, d, turns);
  float MLT = 0, residualID = 0;
  step([&] { MLT = toSingle(divide(winding.length, N)); });
  step([&] { residualID = toSingle(winding.insideDiameter); });

  float Pcu = 0, Ptot = 0, accuracy = 0;
  step([&] { Pcu = toSingle(checked(double{N} * MLT / 12000.0 * f.WireOhms * Is * Is)); });
  step([&] { Ptot = toSingle(checked((double{Pfe} + Pcu) * 1000.0)); });
  step([&] { accuracy = toSingle(divide(100.0 * Pfe * N, Ip)); });

  step([&] { f.txtRequiredL.text = formatPattern(accuracy, "0.00", loc) + "%"; });
  f.txtWireSize.text = std::to_string(awg);
  f.txtCore.text =
      field(kTapeStem).generalText(loc) + "-" + std::to_string(thickness) + alloy.letter;
  step([&] { f.txtActualL.text = formatPattern(Ptot, "###,###,##0.###", loc); });
  step([&] { f.txtResID.text = formatPattern(residualID, "0.000", loc); });
  f.txtPartNum.text = f.txtCore.text;
  step([&] { f.txtID.text = formatCell(field(kTapeID), "0.000", loc); });
  step([&] { f.txtOD.text = formatCell(field(kTapeOD), "0.000", loc); });
  step([&] { f.txtHt.text = formatCell(field(kTapeHeight), "0.000", loc); });
  step([&] { f.txtAe.text = formatPattern(Ae, "0.000", loc); });
  step([&] { f.txtle.text = formatCell(field(kTapePathLength), "##.00", loc); });
}

}  // namespace windara
