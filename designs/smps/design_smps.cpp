#include "designs/smps/design_smps.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/checked.h"
#include "designs/common/design_common.h"
#include "designs/smps/ferrite_table.h"
#include "designs/smps/validate_smps.h"
#include "wire/wire.h"

namespace windara {

namespace {

std::string lines(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view p : parts) {
    if (!text.empty()) text += '\r';
    text += p;
  }
  return text;
}

// A cell compared with a limit; a text that is no number never compares.
bool cellAbove(const Cell& cell, double limit) {
  double v = 0.0;
  return step([&] { v = cell.value(); }) && v > limit;
}

// Catalogue dimensions in three decimals; a text the catalogue holds instead
// of a number is shown as it stands rather than leaving the last core's value.
std::string dimensionText(const Cell& cell, const NumberLocale& locale) {
  double v = 0.0;
  if (step([&] { v = cell.value(); })) return formatPattern(v, "0.000", locale);
  return cell.generalText(locale);
}

struct Grade {
  const char* letter = "";
  int index = 0;
};

Grade selectedGrade(const Form& f) {
  if (f.optPperm.selected) return {"P", 0};
  if (f.optQperm.selected) return {"Q", 1};
  if (f.optRperm.selected) return {"R", 2};
  return {};
}

}  // namespace

void DesignSMPS(Session& s) {
  ValidateSMPS(s);

  Form& f = s.form;
  const NumberLocale& loc = s.locale;
  auto readSingle = [&](const TextBox& box) { return toSingle(toNumber(box.text, loc)); };

  float V = 0, D = 0, freq = 0, Ip = 0, N = 0, J = 0;
  step([&] { V = readSingle(f.txtVoltage); });
  step([&] { D = readSingle(f.txtDutyCyc); });
  step([&] { freq = toSingle(toNumber(f.txtFrequency.text, loc) * 1000.0); });
  step([&] { Ip = readSingle(f.txtPriCurrent); });
  step([&] { N = readSingle(f.txtRatio); });
  step([&] { J = readSingle(f.txtCurDens); });

  float Is = 0, ton = 0, deltaI = 0, Lreq = 0;
  step([&] { Is = toSingle(divide(Ip, N)); });
  step([&] { ton = toSingle(divide(D, freq)); });
  step([&] { deltaI = toSingle(divide(static_cast<double>(Ip) * 0.1, N)); });
  step([&] { Lreq = toSingle(divide(1000.0 * V * ton, deltaI)); });

  // The copper area Is / J turned into a gauge, kept within the wire table.
  std::int16_t AWG = 0;
  step([&] { AWG = toInt16(-4.31 * ln(divide(static_cast<double>(Is) * 1.889, J))); });
  if (AWG > 42) {
    AWG = 42;
  } else if (AWG < 12) {
    AWG = 12;
    // 32 bits: a heavy secondary current must not show a density of 0.
    std::int32_t Jact = 0;
    step([&] { Jact = toInt32(divide(Is, 6529 * 5.067e-6)); });
    s.dialogs.message(lines({"Required wire size is larger than any in current database.",
                             "Actual current density will be", std::to_string(Jact) + " A/sq cm"}),
                      "Wire Size Too Large", Icon::None);
  }

  float d = 0, IDreq = 0;
  step([&] { d = toSingle(WireDia(f, AWG)); });
  // One layer of N turns around the hole (3.14 for pi, as the catalogue assumes).
  step([&] { IDreq = toSingle((static_cast<double>(N) / 3.14 + 1.0) * d); });

  const FerriteTable grid = readFerriteTable(s.programDir);
  if (!grid.ok()) {
    reportTableProblem(s, kFerriteFile, grid.problem);
    writeNoDesign(f, true);
    return;
  }

  // First core whose winding diameter takes the winding; the end marker (or
  // the last row) stops the walk whatever IDreq is.
  int i = 1;
  while (!cellAbove(grid.at(i, 10), IDreq) && !grid.isEndMarker(i) && i < kFerriteRows)
    ++i;

  const Grade grade = selectedGrade(f);
  const int alField = 7 + grade.index;
  double AL = 0.0;
  double Lact = 0.0;

  if (grid.isEndMarker(i)) {
    s.dialogs.message(
        lines({"Required core is too large.", "Try reducing current or turns ratio."}),
        "Required Core Too Large", Icon::Critical);
  } else {
    // Reads the row's AL and its inductance with N turns; false when the AL
    // is a text that is no number, so the row cannot match.
    bool alRead = false;
    auto evaluate = [&](int row) {
      alRead = step([&] { AL = grid.at(row, alField).value(); });
      return alRead && step([&] { Lact = checked(AL * 1e-6 * (static_cast<double>(N) * N)); });
    };

    // The first core is kept when it reaches Lreq exactly; a later one must exceed it.
    bool known = evaluate(i);
    if (!known || Lact < Lreq) {
      while (!grid.isEndMarker(i) && i < kFerriteRows) {
        ++i;
        known = evaluate(i);
        if (known && Lact > Lreq) break;
        if (alRead && AL > 99998) break;
      }
    }

    if (cellAbove(grid.at(i, alField), 99998) || grid.isEndMarker(i)) {
      s.dialogs.message(lines({"Required inductance is too large.",
                               "Try reducing voltage or increasing", "frequency or permeability."}),
                        "Required L Too Large", Icon::Critical);
      AL = 99999;
    } else {
      float B = 0;
      step([&] { B = toSingle(divide(1e8 * V, 4.0 * grid.at(i, 5).value() * freq * N)); });
      if (B > 3300) {
        s.dialogs.message(
            lines({"Core is saturated.  Try ", "reducing voltage or increasing", "turns ratio."}),
            "Core Saturation", Icon::Critical);
        AL = 99999;
      } else if (B > 3000) {
        s.dialogs.message(lines({"Core is approaching saturation.", "Increasing turns ratio or",
                                 "decreasing voltage could help.", "B = " + formatGeneral(B, loc)}),
                          "Approaching Saturation", Icon::None);
      }
    }
  }

  double holeDia = 0.0;
  const bool holeKnown = step([&] { holeDia = grid.at(i, 10).value(); });
  if (!(AL < 99999 && holeKnown && holeDia < 999)) {
    writeNoDesign(f, true);
    return;
  }

  f.txtRequiredL.text = formatGeneral(Lreq, loc);
  f.txtWireSize.text = std::to_string(AWG);
  f.txtCore.text =
      grid.at(i, 14).generalText(loc) + grade.letter + "-" + grid.at(i, 1).generalText(loc) + "-GX";
  f.txtActualL.text = formatGeneral(Lact, loc);
  step([&] {
    f.txtResID.text = formatPattern(holeDia - static_cast<double>(toSingle(2.0 * d)), "0.000", loc);
  });
  f.txtPartNum.text = f.txtCore.text;
  f.txtID.text = dimensionText(grid.at(i, 2), loc);
  f.txtOD.text = dimensionText(grid.at(i, 3), loc);
  f.txtHt.text = dimensionText(grid.at(i, 4), loc);
  f.txtAL.text = grid.at(i, alField).generalText(loc);
  f.txtAe.text = grid.at(i, 5).generalText(loc);
  f.txtle.text = grid.at(i, 6).generalText(loc);
}

}  // namespace windara
