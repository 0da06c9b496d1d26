#include "qtprint/painter_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>
#include <memory>
#include <regex>

#include "files/report.h"
#include "support/harness.h"

namespace windara {
namespace {

std::string run(const std::string& command) {
  return testing::commandOutput(command);
}

class PainterPrinterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "painter_printer_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) app_ = new QGuiApplication(argc, argv);
  }
  static QGuiApplication* app_;
};
QGuiApplication* PainterPrinterTest::app_ = nullptr;

TEST_F(PainterPrinterTest, TheReportFitsOnePageAndReadsBackFromThePdf) {
  testing::TempDir dir;
  const auto pdf = dir.path() / "report.pdf";
  testing::Harness h;
  Form& f = h.form();
  f.txtPartNum.text = "FTQ-1006-GX";
  f.txtWireSize.text = "33";
  f.txtID.text = "0.5";
  {
    QPdfWriter writer(QString::fromStdString(pdf.string()));
    PainterPrinter printer(&writer);
    mnuPrint_Click(h.session, printer);
    EXPECT_TRUE(printer.ok()) << printer.error().toStdString();
    EXPECT_EQ(printer.pages(), 1);
  }
  const std::string info = run("pdfinfo '" + pdf.string() + "' 2>&1");
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+1\\n"))) << info;
  const std::string text = run("pdftotext -layout '" + pdf.string() + "' - 2>&1");
  EXPECT_NE(text.find("SMPS Current Transformer Design"), std::string::npos) << text;
  EXPECT_NE(text.find("Core Parameters"), std::string::npos) << text;
  EXPECT_NE(text.find("#33 AWG"), std::string::npos) << text;
  EXPECT_NE(text.find("0.500"), std::string::npos) << text;
  // Label and value share a line, the value to the right of the label.
  const auto line = text.find("Part Number:");
  ASSERT_NE(line, std::string::npos);
  const auto value = text.find("FTQ-1006-GX", line);
  ASSERT_NE(value, std::string::npos);
  EXPECT_EQ(text.find('\n', line), text.find('\n', value));
}

TEST_F(PainterPrinterTest, TextIsDrawnWithoutLigaturesSoItReadsBackAsTyped) {
  testing::TempDir dir;
  const auto pdf = dir.path() / "hall.pdf";
  testing::Harness h;
  h.form().optSMPS.selected = false;
  h.form().optHall.selected = true;
  h.form().txtWireSize.text = "27.8";
  {
    QPdfWriter writer(QString::fromStdString(pdf.string()));
    PainterPrinter printer(&writer);
    mnuPrint_Click(h.session, printer);
  }
  const std::string text = run("pdftotext '" + pdf.string() + "' - 2>&1");
  EXPECT_NE(text.find("Hall Effect Current Transformer Design"), std::string::npos) << text;
  EXPECT_NE(text.find("Effective Permeability"), std::string::npos) << text;
}

TEST_F(PainterPrinterTest, ADeviceThatCannotOpenIsReported) {
  QPdfWriter writer(QStringLiteral("/nonexistent-folder/x/report.pdf"));
  PainterPrinter printer(&writer);
  testing::Harness h;
  mnuPrint_Click(h.session, printer);
  EXPECT_FALSE(printer.ok());
}

}  // namespace
}  // namespace windara
