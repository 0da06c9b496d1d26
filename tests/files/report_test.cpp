#include "files/report.h"

#include <gtest/gtest.h>

#include "files/text_printer.h"
#include "support/harness.h"

namespace windara {
namespace {

using testing::Harness;
using Lines = std::vector<std::string>;

// Records the printer calls, to check fonts and bold around the text.
class CallLog : public Printer {
 public:
  void setFontSize(int points) override { calls.push_back("size " + std::to_string(points)); }
  void setBold(bool bold) override { calls.push_back(bold ? "bold" : "regular"); }
  void print(std::string_view text) override { calls.push_back("print " + std::string(text)); }
  void moveToColumn(int c) override { calls.push_back("column " + std::to_string(c)); }
  void endLine() override { calls.push_back("line"); }
  void endDocument() override { calls.push_back("end"); }
  Lines calls;
};

Lines report(Session& s) {
  TextPrinter p;
  mnuPrint_Click(s, p);
  EXPECT_TRUE(p.ended());
  return p.lines();
}

void fill(Form& f) {
  f.txtPartNum.text = "FTQ-1006-GX";
  f.txtRatio.text = "100";
  f.txtWireSize.text = "33";
  f.txtResID.text = "0.301";
  f.txtRequiredL.text = "1.25%";
  f.txtActualL.text = "0.50";
  f.txtID.text = "0.5";
  f.txtOD.text = "N/A";
  f.txtHt.text = "1.23456";
  f.txtAe.text = "0.2";
  f.txtle.text = "3.5";
  f.txtAL.text = "2400";
}

TEST(Report, SmpsLayout) {
  Harness h;
  fill(h.form());
  EXPECT_EQ(report(h.session), (Lines{
                                   "    SMPS Current Transformer Design",
                                   "",
                                   "Part Number:            FTQ-1006-GX",
                                   "Secondary Turns:        100",
                                   "Wire Size:              #33 AWG",
                                   "Residual ID (inches):   0.301",
                                   "",
                                   "    Core Parameters",
                                   "",
                                   "ID (in, nominal):       0.500",
                                   "OD (in, nominal):       N/A",
                                   "Ht (in, nominal):       1.235",
                                   "Core Area (sq cm):      0.2",
                                   "Path Length (cm):       3.5",
                                   "AL (mH/1000T, nom):     2400",
                               }));
}

TEST(Report, TraditionalPutsTheAccuracyBelowItsLabel) {
  Harness h;
  h.form().optSMPS.selected = false;
  h.form().optTradCT.selected = true;
  fill(h.form());
  EXPECT_EQ(report(h.session), (Lines{
                                   "    Traditional Current Transformer Design",
                                   "",
                                   "Part Number:            FTQ-1006-GX",
                                   "Secondary Turns:        100",
                                   "Wire Size:              #33 AWG",
                                   "Residual ID (inches):   0.301",
                                   "Accuracy: ",
                                   "                        1.25%",
                                   "",
                                   "    Core Parameters",
                                   "",
                                   "ID (in, bare, nominal):   0.500",
                                   "OD (in, bare, nominal):   N/A",
                                   "Ht (in, bare, nominal):   1.235",
                                   "Core Area (sq cm):        0.2",
                                   "Path Length (cm):         3.5",
                               }));
}

TEST(Report, HallHasFourResultsInItsOwnColumns) {
  Harness h;
  h.form().optSMPS.selected = false;
  h.form().optHall.selected = true;
  fill(h.form());
  EXPECT_EQ(report(h.session), (Lines{
                                   "    Hall Effect Current Transformer Design",
                                   "",
                                   "Part Number:              FTQ-1006-GX",
                                   "Gap Length (in):             1.25%",
                                   "Effective Permeability:      33",
                                   "Sensitivity Range (A*T/G):   0.50",
                                   "",
                                   "    Core Parameters",
                                   "",
                                   "ID (in, nominal):       0.500",
                                   "OD (in, nominal):       N/A",
                                   "Ht (in, nominal):       1.235",
                                   "Core Area (sq cm):      0.2",
                                   "Path Length (cm):       3.5",
                               }));
}

TEST(Report, BeforeAnyCalculationEveryValueIsEmpty) {
  Harness h;
  const Lines lines = report(h.session);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[3], "Secondary Turns:        100");
  EXPECT_EQ(lines[4], "Wire Size:              # AWG");
  EXPECT_EQ(lines[9], "ID (in, nominal):       ");
}

TEST(Report, DimensionsFollowTheLocale) {
  Harness h(testing::dataDir(), NumberLocale::comma());
  h.form().txtID.text = "0,5";
  h.form().txtOD.text = "0.5";  // not a number with a decimal comma: printed as it is
  const Lines lines = report(h.session);
  EXPECT_EQ(lines[9], "ID (in, nominal):       0,500");
  EXPECT_EQ(lines[10], "OD (in, nominal):       0.5");
}

TEST(Report, BoldCoversTheTitleTheBlankBeforeCoreParametersAndTheHeading) {
  Harness h;
  CallLog log;
  mnuPrint_Click(h.session, log);
  const Lines& c = log.calls;
  ASSERT_GE(c.size(), 8u);
  EXPECT_EQ((Lines{c.begin(), c.begin() + 6}),
            (Lines{"size 12", "bold", "column 5", "print SMPS Current Transformer Design", "line",
                   "regular"}));
  const auto core = std::find(c.begin(), c.end(), "print Core Parameters");
  ASSERT_NE(core, c.end());
  EXPECT_EQ((Lines{core - 5, core + 3}), (Lines{"line", "bold", "line", "bold", "column 5",
                                                "print Core Parameters", "line", "regular"}));
  EXPECT_EQ(c.back(), "end");
}

TEST(Report, PrintsNothingWithoutATypeAndChangesNothing) {
  Harness h;
  fill(h.form());
  const std::string before = h.form().txtHt.text;
  report(h.session);
  EXPECT_EQ(h.form().txtHt.text, before);
  EXPECT_TRUE(h.form().optSMPS.selected);

  h.form().optSMPS.selected = false;
  CallLog log;
  mnuPrint_Click(h.session, log);
  EXPECT_EQ(log.calls, (Lines{"size 12", "end"}));
}

TEST(TextPrinter, MovingBackToAColumnGoesToTheNextLine) {
  TextPrinter p;
  p.print("A label that is long");
  p.moveToColumn(5);
  p.print("x");
  p.moveToColumn(2);
  p.print("y");
  p.endDocument();
  EXPECT_EQ(p.lines(), (Lines{"A label that is long", "    x", " y"}));
}

}  // namespace
}  // namespace windara
