#pragma once
// A Hall-effect program without a window, over a Hall.txt written by the test.

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "designs/hall/design_hall.h"
#include "support/harness.h"

namespace windara::testing {

// A number as the table holds it: enough digits to give back the same double.
inline std::string hallNum(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

struct HallCore {
  std::string part = "BIG";
  double id = 1.0, od = 2.0, ht = 0.5, area = 1.234, path = 5.0, mu = 125.0, limit = 0.4;

  std::string line() const {
    return "\"" + part + "\"," + hallNum(id) + "," + hallNum(od) + "," + hallNum(ht) + "," +
           hallNum(area) + "," + hallNum(path) + "," + hallNum(mu) + "," + hallNum(limit) +
           ",0,0,0,0\r\n";
  }
};

inline const std::string kHallClosing = "\"END\",0,0,0,0,0,0,999,0,0,0,0\r\n";
inline constexpr int kHallGroupRows[3] = {8, 8, 10};

// Three groups of cores; each is filled up with closing rows, or with rows no
// requirement fits when `closed` is false.
inline std::string hallGroupsText(const std::vector<std::vector<std::string>>& groups,
                                  std::array<bool, 3> closed = {true, true, true}) {
  std::string text;
  for (int g = 0; g < 3; ++g) {
    for (const std::string& line : groups.at(static_cast<std::size_t>(g)))
      text += line;
    const std::string filler = closed[g] ? kHallClosing : "\"TINY\",0,0,0,0,1,1,0.001,0,0,0,0\r\n";
    for (auto n = groups.at(static_cast<std::size_t>(g)).size();
         n < static_cast<std::size_t>(kHallGroupRows[g]); ++n) {
      text += filler;
    }
  }
  return text;
}

// The same cores in every group.
inline std::string hallTableText(const std::vector<HallCore>& cores) {
  std::vector<std::string> lines;
  for (const HallCore& c : cores)
    lines.push_back(c.line());
  return hallGroupsText({lines, lines, lines});
}

struct HallInputs {
  std::string vout = "2", sensitivity = "10", current = "100", conductor = "0.1", turns = "1",
              thickness = "0.5";
};

struct HallRig {
  explicit HallRig(NumberLocale locale = NumberLocale::period()) : h(dir.path(), locale) {
    Form& f = h.form();
    // Set the flags directly: selecting would run the reactions.
    f.optSMPS.selected = false;
    f.optHall.selected = true;
    material(0);
  }

  void table(const std::string& text) { dir.write("Hall.txt", text); }
  void material(int index) {
    auto buttons = h.form().group(Group::Material);
    for (int i = 0; i < 3; ++i)
      buttons[static_cast<std::size_t>(i)]->selected = i == index;
  }
  void inputs(const HallInputs& in) {
    Form& f = h.form();
    f.txtVoltage.text = in.vout;
    f.txtFrequency.text = in.sensitivity;
    f.txtPriCurrent.text = in.current;
    f.txtCurDens.text = in.conductor;
    f.txtRatio.text = in.turns;
    f.txtDutyCyc.text = in.thickness;
  }
  void run() { DesignHall(h.session); }

  // Result and core boxes, in the order the design writes them.
  std::vector<std::string> outputs() {
    Form& f = h.form();
    return {f.txtRequiredL.text, f.txtWireSize.text, f.txtCore.text, f.txtActualL.text,
            f.txtPartNum.text,   f.txtID.text,       f.txtOD.text,   f.txtHt.text,
            f.txtAe.text,        f.txtle.text};
  }
  std::vector<std::string> inputTexts() {
    Form& f = h.form();
    return {f.txtVoltage.text, f.txtFrequency.text, f.txtPriCurrent.text,
            f.txtCurDens.text, f.txtRatio.text,     f.txtDutyCyc.text};
  }

  TempDir dir;
  Harness h;
};

inline const std::vector<std::string> kHallNoDesign = {"", "", "N/A", "",    "N/A",
                                                       "", "", "",    "N/A", "N/A"};

inline DialogEvent hallMessage(std::string text, std::string title, Icon icon) {
  return messageEvent(std::move(text), std::move(title), icon);
}

}  // namespace windara::testing
