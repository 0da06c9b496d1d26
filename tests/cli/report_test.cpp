// windara-cli report: the text of each type's golden case line by line, the
// PDF read back with poppler, the start-state report, and failures.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "cli/headless.h"
#include "cli/pdf_report.h"
#include "cli/report_command.h"
#include "cli/result_output.h"
#include "run_cli.h"
#include "support/support.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = WINDARA_CASES_DIR;

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    out.push_back(line);
  return out;
}

std::string shell(const std::string& command) {
  return commandOutput(command);
}

std::string quoted(const fs::path& p) {
  return "'" + p.string() + "'";
}

TEST(Report, GoldenCasesPrintTheirReportLineByLine) {
  const struct {
    const char* design;
    std::vector<std::string> lines;
  } cases[] = {
      {"smps-start/design.sps",
       {"    SMPS Current Transformer Design", "", "Part Number:            FTQ-0540-210-GX",
        "Secondary Turns:        100", "Wire Size:              #33 AWG",
        "Residual ID (inches):   0.272", "", "    Core Parameters", "",
        "ID (in, nominal):       0.300", "OD (in, nominal):       0.540",
        "Ht (in, nominal):       0.210", "Core Area (sq cm):      0.158",
        "Path Length (cm):       3.166", "AL (mH/1000T, nom):     3136"}},
      {"trad-tormix-1mil/design.tct",
       {"    Traditional Current Transformer Design", "", "Part Number:            TW-1023-1P",
        "Secondary Turns:        100", "Wire Size:              #33 AWG",
        "Residual ID (inches):   1.043", "Accuracy: ", "                        0.58%", "",
        "    Core Parameters", "", "ID (in, bare, nominal):   1.133",
        "OD (in, bare, nominal):   1.589", "Ht (in, bare, nominal):   0.390",
        "Core Area (sq cm):        0.379", "Path Length (cm):         10.86"}},
      {"hall-ferrite/design.hef",
       {"    Hall Effect Current Transformer Design", "", "Part Number:              FPT-2900-750",
        "Gap Length (in):             0.244", "Effective Permeability:      27.8",
        "Sensitivity Range (A*T/G):   0.50", "", "    Core Parameters", "",
        "ID (in, nominal):       1.600", "OD (in, nominal):       2.900",
        "Ht (in, nominal):       0.750", "Core Area (sq cm):      3.145",
        "Path Length (cm):       17.44"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.design);
    const CliRun run = runCli({"report", (kCases / c.design).string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(splitLines(run.out), c.lines) << run.out;
    EXPECT_EQ(run.out.back(), '\n');
  }
}

TEST(Report, StandardInputAndAnswersWorkAsForDesign) {
  const fs::path smps = kCases / "smps-start" / "design.sps";
  const CliRun fromFile = runCli({"report", smps.string()});
  const CliRun fromStdin = runCli({"report", "-"}, "LC_ALL=C", readFile(smps));
  ASSERT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(fromStdin.out, fromFile.out);

  // The answered voltage decides the design, so the report must follow it.
  const fs::path bad = kCases / "smps-bad-voltage" / "design.sps";
  const CliRun answered = runCli({"report", bad.string(), "--answer", "0.8"});
  ASSERT_EQ(answered.status, 0) << answered.err;
  EXPECT_EQ(answered.out, fromFile.out);
  const CliRun unanswered = runCli({"report", bad.string()});
  EXPECT_EQ(unanswered.status, 3);
  EXPECT_EQ(unanswered.out, "");
}

// Printing before any calculation: every label, no values, the wire as # AWG.
TEST(Report, StartStateReportHasEveryLabelAndNoValues) {
  cli::HeadlessProgram program(WINDARA_PROGRAM_DIR, NumberLocale::period());
  std::ostringstream out;
  cli::writeTextReport(program.session(), out);
  const std::vector<std::string> expected = {
      "    SMPS Current Transformer Design",
      "",
      "Part Number:            ",
      "Secondary Turns:        100",
      "Wire Size:              # AWG",
      "Residual ID (inches):   ",
      "",
      "    Core Parameters",
      "",
      "ID (in, nominal):       ",
      "OD (in, nominal):       ",
      "Ht (in, nominal):       ",
      "Core Area (sq cm):      ",
      "Path Length (cm):       ",
      "AL (mH/1000T, nom):     ",
  };
  EXPECT_EQ(splitLines(out.str()), expected) << out.str();
}

TEST(Report, PrintingLeavesTheFormAsItWas) {
  TempDir dir;
  cli::HeadlessProgram program(WINDARA_PROGRAM_DIR, NumberLocale::period());
  ASSERT_TRUE(program.open((kCases / "trad-tormix-1mil" / "design.tct").string()).ok());
  const auto snapshot = [&] {
    std::ostringstream s;
    cli::writeJson(s, program.form(), program.events());
    return s.str() + "wire ohms " + std::to_string(program.form().WireOhms);
  };
  const std::string before = snapshot();
  std::ostringstream text;
  cli::writeTextReport(program.session(), text);
  EXPECT_EQ(cli::writePdfReport(program.session(), dir.path() / "r.pdf"), "");
  EXPECT_EQ(snapshot(), before);
  EXPECT_TRUE(fs::exists(dir.path() / "r.pdf"));
}

// Dark pixels of a binary PPM (P6, maxval 255).
std::size_t darkPixels(const std::string& ppm) {
  std::istringstream in(ppm);
  std::string magic;
  int width = 0, height = 0, maxval = 0;
  in >> magic >> width >> height >> maxval;
  in.get();
  if (magic != "P6" || maxval != 255) return 0;
  std::size_t dark = 0;
  for (int i = 0; i < width * height; ++i) {
    unsigned char rgb[3] = {255, 255, 255};
    in.read(reinterpret_cast<char*>(rgb), 3);
    if (!in) break;
    dark += rgb[0] + rgb[1] + rgb[2] < 3 * 128;
  }
  return dark;
}

TEST(Report, PdfHasOneA4PageWithTheReportInsideTheMargins) {
  TempDir dir;
  // An existing file gives way to a whole PDF.
  const fs::path pdf = dir.write("report.pdf", "old contents");
  const CliRun run =
      runCli({"report", (kCases / "smps-start" / "design.sps").string(), "--pdf", pdf.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::string bytes = readFile(pdf);
  EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
  EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);

  const std::string info = shell("pdfinfo " + quoted(pdf) + " 2>&1");
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+1\\n"))) << info;
  EXPECT_TRUE(std::regex_search(info, std::regex("Page size:.*\\(A4\\)"))) << info;

  // The paper follows the locale, as the window's export does.
  const CliRun us =
      runCli({"report", (kCases / "smps-start" / "design.sps").string(), "--pdf", pdf.string()},
             "LC_ALL=en_US.UTF-8");
  ASSERT_EQ(us.status, 0) << us.err;
  EXPECT_TRUE(std::regex_search(shell("pdfinfo " + quoted(pdf) + " 2>&1"),
                                std::regex("Page size:.*\\(letter\\)")));

  // One rendered page, and something drawn on it.
  shell("pdftoppm -r 40 " + quoted(pdf) + " " + quoted(dir.path() / "page"));
  std::vector<fs::path> pages;
  for (const auto& e : fs::directory_iterator(dir.path()))
    if (e.path().filename().string().rfind("page", 0) == 0) pages.push_back(e.path());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_GT(darkPixels(readFile(pages[0])), 200u);

  const std::string text = shell("pdftotext -layout " + quoted(pdf) + " - 2>&1");
  const std::vector<std::string> lines = splitLines(text);
  const auto lineWith = [&](const std::string& part) -> std::string {
    for (const auto& l : lines)
      if (l.find(part) != std::string::npos) return l;
    return "<none>";
  };
  EXPECT_NE(lineWith("SMPS Current Transformer Design"), "<none>") << text;
  EXPECT_NE(lineWith("Core Parameters"), "<none>") << text;
  for (const auto& [label, value] :
       std::vector<std::pair<std::string, std::string>>{{"Part Number:", "FTQ-0540-210-GX"},
                                                        {"Wire Size:", "#33 AWG"},
                                                        {"AL (mH/1000T, nom):", "3136"}}) {
    const std::string line = lineWith(label);
    EXPECT_GT(line.find(value), line.find(label)) << label << " in\n" << text;
    EXPECT_NE(line.find(value), std::string::npos) << label << " in\n" << text;
  }

  // 20 mm is 56.7 pt: the report starts at the top left corner inside the margins.
  const std::string boxes = shell("pdftotext -bbox " + quoted(pdf) + " - 2>&1");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(
      boxes, m, std::regex("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Part</word>")))
      << boxes;
  EXPECT_NEAR(std::stod(m[1]), 56.7, 1.5);
  const double partTop = std::stod(m[2]);
  ASSERT_TRUE(std::regex_search(boxes, m, std::regex("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"")));
  EXPECT_GE(std::stod(m[1]), 56.0);
  EXPECT_LT(std::stod(m[1]), partTop);
}

TEST(Report, AnUnusablePdfPathExitsWithTwoAndLeavesNoFile) {
  TempDir dir;
  const std::string design = (kCases / "smps-start" / "design.sps").string();
  const fs::path old = dir.write("old.pdf", "kept");
  const std::string bad = (kCases / "smps-bad-voltage" / "design.sps").string();
  const struct {
    std::vector<std::string> args;
    int status;
    const char* says;
  } cases[] = {
      {{"report", design, "--pdf", (dir.path() / "no" / "r.pdf").string()},
       2,
       "No such file or directory"},
      {{"report", design, "--pdf", dir.path().string()}, 2, "cannot write the report"},
      {{"report", design, "--pdf", ""}, 2, "--pdf needs a file name"},
      {{"report", design, "--pdf"}, 2, "needs a value"},
      {{"report", design, "--json"}, 2, "unknown option --json"},
      {{"report", (dir.path() / "missing.sps").string(), "--pdf", old.string()},
       2,
       "cannot open the design"},
      {{"report", bad, "--pdf", old.string()}, 3, "needs an answer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(dir.path() / "no"));
    EXPECT_EQ(readFile(old), "kept");
  }
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
    ++entries;
  EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
}

}  // namespace
}  // namespace windara::testing
