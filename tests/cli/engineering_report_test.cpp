// windara-cli report --engineering: the PDF of each type, its page size from
// the user's measurement locale, and the exit statuses it shares with report.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "run_cli.h"
#include "support/support.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = WINDARA_CASES_DIR;

std::string pdfText(const fs::path& pdf) {
  return commandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

TEST(EngineeringReportCli, EachTypeGivesAPdfOnThePaperOfTheLocale) {
  const struct {
    const char* design;
    const char* env;
    const char* size;  // as pdfinfo names it
    const char* title;
    const char* part;
    const char* verdict;
  } cases[] = {
      {"trad-tormix-1mil/design.tct", "LC_ALL=C", "A4", "Traditional Current Transformer Design",
       "TW-1023-1P", "no IEC 61869-2 class"},
      {"smps-start/design.sps", "LC_ALL=en_US.UTF-8", "letter", "SMPS Current Transformer Design",
       "FTQ-0540-210-GX", "SMPS checks: pass"},
      // Paper follows LC_MEASUREMENT where LC_ALL does not say otherwise; the
      // numbers keep their period.
      {"hall-ferrite/design.hef", "LANG=C.UTF-8 LC_MEASUREMENT=en_US.UTF-8", "letter",
       "Hall Effect Current Transformer Design", "FPT-2900-750", "Hall checks:"},
      {"hall-ferrite/design.hef", "LANG=en_US.UTF-8 LC_MEASUREMENT=de_DE.UTF-8", "A4",
       "Hall Effect Current Transformer Design", "FPT-2900-750", "Hall checks:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.design) + " " + c.env);
    TempDir dir;
    const fs::path pdf = dir.path() / "eng.pdf";
    const CliRun run = runCli(
        {"report", (kCases / c.design).string(), "--engineering", "--pdf", pdf.string()}, c.env);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string info = commandOutput("pdfinfo '" + pdf.string() + "' 2>&1");
    EXPECT_TRUE(
        std::regex_search(info, std::regex(std::string("Page size:.*\\(") + c.size + "\\)")))
        << info;
    const std::string text = pdfText(pdf);
    for (const char* part : {c.title, c.part, c.verdict, "Design Inputs", "Candidate Cores"})
      EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
  }
}

TEST(EngineeringReportCli, ExitStatusesAndMessages) {
  TempDir dir;
  const std::string design = (kCases / "smps-start" / "design.sps").string();
  const std::string bad = (kCases / "smps-bad-voltage" / "design.sps").string();
  const fs::path old = dir.write("old.pdf", "kept");
  const fs::path fresh = dir.path() / "fresh.pdf";
  const struct {
    std::vector<std::string> args;
    int status;
    const char* says;  // on standard error; "" for nothing
  } cases[] = {
      {{"report", design, "--engineering"}, 2, "--engineering writes a PDF only: give --pdf OUT"},
      {{"report", design, "--engineering", "--pdf", ""}, 2, "--pdf needs a file name"},
      {{"report", design, "--engineering=yes", "--pdf", fresh.string()},
       2,
       "--engineering takes no value"},
      {{"report", design, "--engineering", "--pdf", (dir.path() / "no" / "r.pdf").string()},
       2,
       "cannot write the report to"},
      {{"report", design, "--engineering", "--pdf", (old / "r.pdf").string()},
       2,
       "Not a directory"},
      {{"report", (dir.path() / "missing.sps").string(), "--engineering", "--pdf", old.string()},
       2,
       "cannot open the design"},
      {{"report", bad, "--engineering", "--pdf", old.string()}, 3, "needs an answer"},
      {{"report", bad, "--engineering", "--pdf", fresh.string(), "--answer", "0.8"}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, "");
    if (*c.says) {
      EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_EQ(readFile(old), "kept");
    EXPECT_FALSE(fs::exists(dir.path() / "no"));
  }
  // Only the answered run wrote its file, whole.
  EXPECT_EQ(readFile(fresh).rfind("%PDF-", 0), 0u);
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
    ++entries;
  EXPECT_EQ(entries, 2u) << "a temporary file was left behind";
}

// The text explanation names the chosen core by its table number, which for a
// Hall material does not start at 1.
TEST(CliExplain, TextNamesTheChosenCoreOfEveryType) {
  const struct {
    const char* design;
    const char* chosen;
  } cases[] = {
      {"smps-start/design.sps", "\nChosen: row 11 (FTQ-0540-210-GX)\n"},
      {"trad-tormix-1mil/design.tct", "\nChosen: row 23 (TW-1023-1P)\n"},
      {"hall-ferrite/design.hef", "\nChosen: row 25 (FPT-2900-750)\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = runCli({"explain", (kCases / c.design).string()});
    ASSERT_EQ(run.status, 0) << c.design << ": " << run.err;
    EXPECT_NE(run.out.find(c.chosen), std::string::npos) << run.out;
  }
}

}  // namespace
}  // namespace windara::testing
