#include "qtprint/default_printer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRectF>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>

#include "support/harness.h"

namespace windara {
namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
  return testing::commandOutput(command);
}

// The PDF files of a folder with their modification times: cups-pdf names a
// file after the job's title, so a later job may replace an earlier file.
std::map<fs::path, fs::file_time_type> pdfsIn(const fs::path& dir) {
  std::map<fs::path, fs::file_time_type> out;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".pdf") out[it->path()] = fs::last_write_time(it->path(), ec);
  }
  return out;
}

// The cups-pdf job is written by the scheduler's backend, outside this process:
// wait for it, up to a generous bound.
std::optional<fs::path> waitForNewPdf(const fs::path& dir,
                                      const std::map<fs::path, fs::file_time_type>& before) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 60000) {
    for (const auto& [p, time] : pdfsIn(dir)) {
      const auto old = before.find(p);
      if (old != before.end() && old->second == time) continue;
      // Complete once pdfinfo can read it.
      if (run("pdfinfo '" + p.string() + "' 2>/dev/null").find("Pages:") != std::string::npos)
        return p;
    }
    QThread::msleep(100);
  }
  return std::nullopt;
}

TEST(DefaultPrinter, PrintsWellInsideThePaperTheLocaleExpects) {
  // A printer that reaches 3 mm of the edge gets the program's margins; one
  // that needs more keeps its own on that side.
  const QPageLayout letter = reportPageLayout(QPageSize::Letter, QMarginsF(3, 3, 3, 3));
  EXPECT_EQ(letter.pageSize().id(), QPageSize::Letter);
  EXPECT_EQ(letter.orientation(), QPageLayout::Portrait);
  EXPECT_EQ(letter.margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
  const QPageLayout a4 = reportPageLayout(QPageSize::A4, QMarginsF(3, 25.5, 3, 3));
  EXPECT_EQ(a4.pageSize().id(), QPageSize::A4);
  EXPECT_EQ(a4.margins(QPageLayout::Millimeter), QMarginsF(20, 25.5, 20, 20));
  // The printable width is the paper's less both margins: 215.9 - 40 mm on Letter.
  EXPECT_NEAR(letter.paintRect(QPageLayout::Millimeter).width(), 175.9, 0.1);
}

TEST(DefaultPrinter, EachModesReportArrivesAsAOnePageJobOnARealQueue) {
  const std::string out = run(std::string(WINDARA_SOURCE_DIR) + "/tests/print/setup-cups");
  if (out.empty()) GTEST_SKIP() << "skipped: the CUPS scheduler (cupsd) could not be started here";
  const fs::path outDir = out.substr(0, out.find('\n'));

  testing::Harness h;
  struct Mode {
    OptionButton* button;
    const char* title;
  } modes[] = {{&h.form().optSMPS, "SMPS Current Transformer Design"},
               {&h.form().optTradCT, "Traditional Current Transformer Design"},
               {&h.form().optHall, "Hall Effect Current Transformer Design"}};
  for (const Mode& m : modes) {
    h.form().select(*m.button);
    const auto before = pdfsIn(outDir);
    ASSERT_TRUE(printToDefaultPrinter(h.session)) << m.title;
    const auto pdf = waitForNewPdf(outDir, before);
    ASSERT_TRUE(pdf.has_value()) << "no PDF arrived in " << outDir << " for " << m.title;
    EXPECT_TRUE(
        std::regex_search(run("pdfinfo '" + pdf->string() + "'"), std::regex("Pages:\\s+1\\n")));
    // The queue's filters re-encode the fonts, so the text itself is checked on the
    // PDF that Qt writes directly (windara-cli report --pdf) and on the text layout.
  }
  for (const auto& e : h.events()) {
    EXPECT_NE(e.title, "Print") << e.text;
  }
}

}  // namespace
}  // namespace windara

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  static int qargc = 1;
  static char name[] = "default_printer_test";
  static char* qargv[] = {name, nullptr};
  QGuiApplication app(qargc, qargv);
  return RUN_ALL_TESTS();
}
