#include "files/report.h"

#include <string>

namespace windara {

namespace {

class ReportWriter {
 public:
  ReportWriter(Session& s, Printer& p) : s_(s), p_(p) {}

  void heading(const std::string& text) {
    p_.setBold(true);
    p_.moveToColumn(5);
    p_.print(text);
    p_.endLine();
    p_.setBold(false);
  }
  void blank() { p_.endLine(); }
  void item(const std::string& label, int column, const std::string& value) {
    p_.print(label);
    p_.moveToColumn(column);
    p_.print(value);
    p_.endLine();
  }
  // The label stands alone; the value goes to the column of the next line.
  void itemBelow(const std::string& label, int column, const std::string& value) {
    p_.print(label);
    p_.endLine();
    p_.moveToColumn(column);
    p_.print(value);
    p_.endLine();
  }
  void coreHeading() {
    p_.setBold(true);
    blank();
    heading("Core Parameters");
    blank();
  }
  // A dimension: its number with three decimals, or the text unchanged.
  std::string dimension(const TextBox& box) const {
    if (const auto v = parseNumber(box.text, s_.locale))
      return formatPattern(*v, "0.000", s_.locale);
    return box.text;
  }
  std::string wire() const { return "#" + s_.form.txtWireSize.text + " AWG"; }

 private:
  Session& s_;
  Printer& p_;
};

// The results of a wound design: part number, turns, wire and the hole left.
void windingResults(Form& f, ReportWriter& r) {
  r.item("Part Number: ", 25, f.txtPartNum.text);
  r.item("Secondary Turns: ", 25, f.txtRatio.text);
  r.item("Wire Size: ", 25, r.wire());
  r.item("Residual ID (inches): ", 25, f.txtResID.text);
}

// The core's dimensions; `kind` says what the diameters and height are.
void coreItems(Form& f, ReportWriter& r, const std::string& kind, int column) {
  r.item("ID (in, " + kind + "): ", column, r.dimension(f.txtID));
  r.item("OD (in, " + kind + "): ", column, r.dimension(f.txtOD));
  r.item("Ht (in, " + kind + "): ", column, r.dimension(f.txtHt));
  r.item("Core Area (sq cm): ", column, f.txtAe.text);
  r.item("Path Length (cm): ", column, f.txtle.text);
}

void traditional(Form& f, ReportWriter& r) {
  r.heading("Traditional Current Transformer Design");
  r.blank();
  windingResults(f, r);
  r.itemBelow("Accuracy: ", 25, f.txtRequiredL.text);
  r.coreHeading();
  coreItems(f, r, "bare, nominal", 27);
}

void hall(Form& f, ReportWriter& r) {
  r.heading("Hall Effect Current Transformer Design");
  r.blank();
  r.item("Part Number: ", 27, f.txtPartNum.text);
  r.item("Gap Length (in): ", 30, f.txtRequiredL.text);
  r.item("Effective Permeability: ", 30, f.txtWireSize.text);
  r.item("Sensitivity Range (A*T/G): ", 30, f.txtActualL.text);
  r.coreHeading();
  coreItems(f, r, "nominal", 25);
}

void smps(Form& f, ReportWriter& r) {
  r.heading("SMPS Current Transformer Design");
  r.blank();
  windingResults(f, r);
  r.coreHeading();
  coreItems(f, r, "nominal", 25);
  r.item("AL (mH/1000T, nom): ", 25, f.txtAL.text);
}

}  // namespace

void mnuPrint_Click(Session& s, Printer& printer) {
  printer.setFontSize(12);
  ReportWriter r(s, printer);
  Form& f = s.form;
  if (f.optTradCT.selected) {
    traditional(f, r);
  } else if (f.optHall.selected) {
    hall(f, r);
  } else if (f.optSMPS.selected) {
    smps(f, r);
  }
  printer.endDocument();
}

}  // namespace windara
