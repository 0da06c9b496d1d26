#include "designs/hall/design_hall.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "common/checked.h"
#include "designs/common/design_common.h"
#include "designs/hall/hall_table.h"
#include "designs/hall/validate_hall.h"

namespace windara {

namespace {

// A material: its rows of the table, the highest gap flux density it carries
// (gauss) and what to tell the user when the sensor asks for more.
struct HallMaterial {
  HallGroup group;
  double fluxLimit;
  const char* tooHigh;
  const char* advice;
};

const HallMaterial kOvimax{{1, 8, "Ovimax"},
                           6000.0,
                           "Required flux density is too high for OVX material.",
                           "Try changing to Zendra material, or selecting a Hall Sensor with lower "
                           "Vout."};
const HallMaterial kZendra{{9, 16, "Zendra"},
                           10000.0,
                           "Required flux density is too high for Zendra material.",
                           "Try selecting a Hall Sensor with lower Vout."};
const HallMaterial kFerrite{{17, 26, "ferrite"},
                            4000.0,
                            "Required flux density is too high for ferrite material.",
                            "Try changing to Zendra or OVX material, or selecting a Hall Sensor "
                            "with lower Vout."};

const HallMaterial* selectedMaterial(const Form& f) {
  if (f.optPperm.selected) return &kOvimax;
  if (f.optQperm.selected) return &kZendra;
  if (f.optRperm.selected) return &kFerrite;
  return nullptr;
}

struct HallInputs {
  float vout = 0.0f;         // V
  float thickness = 0.0f;    // in
  float sensitivity = 0.0f;  // uV/G
  float current = 0.0f;      // A
  std::int16_t turns = 0;
  float conductor = 0.0f;  // in
};

HallInputs readInputs(const Session& s) {
  const Form& f = s.form;
  const NumberLocale& loc = s.locale;
  HallInputs in;
  step([&] { in.vout = toSingle(toNumber(f.txtVoltage.text, loc)); });
  step([&] { in.thickness = toSingle(toNumber(f.txtDutyCyc.text, loc) / 25.4); });
  step([&] { in.sensitivity = toSingle(toNumber(f.txtFrequency.text, loc) * 1000.0); });
  step([&] { in.current = toSingle(toNumber(f.txtPriCurrent.text, loc)); });
  step([&] { in.turns = toInt16(toNumber(f.txtRatio.text, loc)); });
  step([&] { in.conductor = toSingle(toNumber(f.txtCurDens.text, loc)); });
  return in;
}

// First row from `row` on whose column 8 reaches `need`; a column 8 that is no
// number does not match. Never passes the group's closing row.
int searchFrom(const HallTable& table, int row, int closing, float need) {
  while (row < closing) {
    const std::optional<double> limit = sizeLimit(table, row);
    if (limit && !(*limit < need)) break;
    ++row;
  }
  return row;
}

// Radial wall and height both take twice the gap. A dimension that is no
// number cannot be shown to fit.
bool wallAndHeightFit(const HallTable& table, int row, float gap) {
  bool fits = false;
  step([&] {
    const double wall = (table.at(row, 3).value() - table.at(row, 2).value()) / 2.0;
    fits = !(wall < 2.0 * gap || table.at(row, 4).value() < 2.0 * gap);
  });
  return fits;
}

std::string cellPattern(const Cell& cell, const char* pattern, const NumberLocale& loc) {
  std::string text;
  step([&] { text = formatPattern(cell.value(), pattern, loc); });
  return text;
}

void warn(Session& s, const char* line1, const char* line2, const char* title, Icon icon) {
  s.dialogs.message(std::string(line1) + "\r" + line2, title, icon);
}

}  // namespace

void DesignHall(Session& s) {
  ValidateHall(s);
  Form& f = s.form;
  const HallInputs in = readInputs(s);
  float need = 0.0f;  // in
  // A stack too wide to hold in a single is wider than any core: no core takes it.
  if (!step([&] { need = toSingle(static_cast<double>(in.turns) * in.conductor); })) {
    need = std::numeric_limits<float>::max();
  }

  const HallTable table = readHallTable(s.programDir);
  if (!table.ok()) {
    reportTableProblem(s, kHallFile, table.problem);
    writeNoDesign(f, false);
    return;
  }
  const HallMaterial* material = selectedMaterial(f);
  if (!material) {
    writeNoDesign(f, false);
    return;
  }
  const std::optional<int> closing = closingRow(table, material->group);
  if (!closing) {
    reportTableProblem(s, kHallFile,
                       "rows " + std::to_string(material->group.firstRow) + " to " +
                           std::to_string(material->group.lastRow) + " (" +
                           material->group.material + ") have no closing row with 999 in column 8");
    writeNoDesign(f, false);
    return;
  }

  float flux = 0.0f, pathLength = 0.0f, mu = 0.0f, mue = 0.0f, gap = 0.0f;
  int row = material->group.firstRow;
  for (;;) {
    row = searchFrom(table, row, *closing, need);
    if (row == *closing) {
      warn(s, "Required core is too large.",
           "Try reducing conductor size, Hall Sensor thickness, or primary current.",
           "Required Core Too Large", Icon::Critical);
      writeNoDesign(f, false);
      return;
    }

    step([&] { flux = toSingle(divide(1e6 * in.vout, in.sensitivity)); });
    if (flux > material->fluxLimit) {
      warn(s, material->tooHigh, material->advice, "Bmax Too High", Icon::None);
      writeNoDesign(f, false);
      return;
    }

    step([&] { pathLength = toSingle(table.at(row, 6).value()); });
    step([&] {
      mue = toSingle(divide(static_cast<double>(flux) * pathLength,
                            0.4 * 3.14 * in.turns * static_cast<double>(in.current)));
    });
    step([&] { mu = toSingle(table.at(row, 7).value()); });
    if (!step(
            [&] { gap = toSingle((divide(1.0, mue) - divide(1.0, mu)) * pathLength * 0.3937); })) {
      // No gap length (a flux too weak to give a permeability, or one beyond
      // any gap): this core cannot be shown to take it.
      ++row;
      continue;
    }
    // The sensor has to go into the gap, with a little room to spare; mue
    // stays the one the flux asks for.
    if (gap < in.thickness)
      step([&] { gap = toSingle(static_cast<double>(in.thickness) + 0.005); });

    if (gap > sizeLimit(table, row).value_or(0.0)) {
      // This core cannot take the gap: look on for one that takes it.
      need = gap;
      ++row;
      continue;
    }
    if (!wallAndHeightFit(table, row, gap)) {
      ++row;
      continue;
    }
    break;
  }

  const NumberLocale& loc = s.locale;
  std::string range;
  step([&] {
    range = formatPattern(
        toSingle(divide(static_cast<double>(in.turns) * in.current, static_cast<double>(flux))),
        "#0.00", loc);
  });
  f.txtRequiredL.text = formatPattern(gap, "0.000", loc);
  f.txtWireSize.text = formatPattern(mue, "##.0", loc);
  f.txtCore.text = table.at(row, 1).generalText(loc);
  f.txtActualL.text = range;
  f.txtPartNum.text = f.txtCore.text;
  f.txtID.text = cellPattern(table.at(row, 2), "0.000", loc);
  f.txtOD.text = cellPattern(table.at(row, 3), "0.000", loc);
  f.txtHt.text = cellPattern(table.at(row, 4), "0.000", loc);
  f.txtAe.text = cellPattern(table.at(row, 5), "0.000", loc);
  f.txtle.text = cellPattern(table.at(row, 6), "##.00", loc);
}

}  // namespace windara
