#pragma once
// Small ferrite catalogues and form helpers for the SMPS tests.

#include <array>
#include <string>
#include <vector>

#include "form/form.h"

namespace windara::testing::smps {

// One catalogue row; fields are written as text so a test can put anything in them.
struct CoreRow {
  std::string wid = "0.5";                                 // field 10, winding inner diameter
  std::array<std::string, 3> al = {"400", "800", "1600"};  // fields 7 to 9
  std::string ae = "1";                                    // field 5
  std::string code = "\"100\"";                            // field 1
  std::string prefix = "\"FT\"";                           // field 14
  std::string id = "0.5", od = "1", ht = "0.25", le = "2.5";
  std::string extra = "0";  // fields 11 to 13
};

inline std::string coreLine(const CoreRow& r) {
  return r.code + "," + r.id + "," + r.od + "," + r.ht + "," + r.ae + "," + r.le + "," + r.al[0] +
         "," + r.al[1] + "," + r.al[2] + "," + r.wid + "," + r.extra + "," + r.extra + "," +
         r.extra + "," + r.prefix + "\r\n";
}

inline std::string markerLine() {
  return "\"END\",0,0,0,0,0,99999,99999,99999,999,0,0,0,\"\"\r\n";
}

// The rows, the end marker, and as many filler rows after it as asked.
inline std::string catalogue(const std::vector<CoreRow>& rows, int fillerRows = 0) {
  std::string text;
  for (const CoreRow& r : rows)
    text += coreLine(r);
  text += markerLine();
  for (int k = 0; k < fillerRows; ++k)
    text += coreLine(CoreRow{});
  return text;
}

// Voltage, frequency, primary current, current density, ratio, duty cycle.
inline void setInputs(Form& f, const std::array<std::string, 6>& in) {
  f.txtVoltage.text = in[0];
  f.txtFrequency.text = in[1];
  f.txtPriCurrent.text = in[2];
  f.txtCurDens.text = in[3];
  f.txtRatio.text = in[4];
  f.txtDutyCyc.text = in[5];
}

// The twelve boxes the design writes, in the order it writes them.
inline std::vector<std::string> outputs(const Form& f) {
  return {f.txtRequiredL.text, f.txtWireSize.text, f.txtCore.text, f.txtActualL.text,
          f.txtResID.text,     f.txtPartNum.text,  f.txtID.text,   f.txtOD.text,
          f.txtHt.text,        f.txtAL.text,       f.txtAe.text,   f.txtle.text};
}

inline std::vector<std::string> noDesign() {
  return {"", "", "N/A", "", "", "N/A", "", "", "", "", "N/A", "N/A"};
}

}  // namespace windara::testing::smps
