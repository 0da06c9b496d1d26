// windara-cli end to end: exit status, standard input, --answer, --save,
// templates and the user's decimal comma.

#include <gtest/gtest.h>

#include "run_cli.h"
#include "support/support.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSmpsDefaults =
    "4\r\n\"0.5\"\r\n\"50\"\r\n\"10\"\r\n\"0.5\"\r\n\"100\"\r\n\"400\"\r\n2\r\n";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Cli, TemplatesHoldEachModesDefaults) {
  const struct {
    const char* mode;
    const char* env;
    std::string bytes;
  } cases[] = {
      {"smps", "LC_ALL=C", kSmpsDefaults},
      {"trad", "LC_ALL=C",
       "2\r\n\"5\"\r\n\"60\"\r\n\"10\"\r\n\"5000\"\r\n\"100\"\r\n\"400\"\r\n1\r\n2\r\n"},
      {"hall", "LC_ALL=C",
       "3\r\n\"2\"\r\n\"10\"\r\n\"100\"\r\n\"0.5\"\r\n\"1\"\r\n\"0.100\"\r\n2\r\n"},
      // The system need not have the locale installed.
      {"hall", "LC_ALL=de_DE.UTF-8",
       "3\r\n\"2\"\r\n\"10\"\r\n\"100\"\r\n\"0,5\"\r\n\"1\"\r\n\"0,100\"\r\n2\r\n"},
      {"smps", "LANG=de_DE.UTF-8",
       "4\r\n\"0,5\"\r\n\"50\"\r\n\"10\"\r\n\"0,5\"\r\n\"100\"\r\n\"400\"\r\n2\r\n"},
      {"smps", "LANG=de_DE.UTF-8 LC_NUMERIC=en_US.UTF-8", kSmpsDefaults},
  };
  for (const auto& c : cases) {
    const CliRun run = runCli({"template", c.mode}, c.env);
    EXPECT_EQ(run.status, 0) << c.mode << " " << c.env << run.err;
    EXPECT_EQ(run.out, c.bytes) << c.mode << " " << c.env;
  }
}

TEST(Cli, SaveWritesBackWhatWasOpened) {
  TempDir dir;
  for (const char* mode : {"smps", "trad", "hall"}) {
    const std::string design = runCli({"template", mode}).out;
    const fs::path in = dir.write(std::string("in.") + mode, design);
    const fs::path out = dir.path() / (std::string("out.") + mode);
    const CliRun run = runCli({"design", in.string(), "--save", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(out), design) << mode;
  }
}

TEST(Cli, StandardInputReadsLikeAFile) {
  TempDir dir;
  const std::string design =
      "2\r\n\"7\"\r\n\"50\"\r\n\"15\"\r\n\"4000\"\r\n\"200\"\r\n\"300\"\r\n3\r\n1\r\n";
  const fs::path file = dir.write("d.tct", design);
  const CliRun fromFile = runCli({"design", file.string(), "--json"});
  const CliRun fromStdin = runCli({"design", "-", "--json"}, "LC_ALL=C", design);
  ASSERT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(fromStdin.out, fromFile.out);
  EXPECT_TRUE(contains(fromStdin.out, "\"type\": \"Traditional\""));
  EXPECT_TRUE(contains(fromStdin.out, "\"material\": \"optRperm\""));
  EXPECT_TRUE(contains(fromStdin.out, "\"thickness\": \"opt1mil\""));
  EXPECT_TRUE(contains(fromStdin.out, "\"txtDutyCyc\": \"4000\""));
  const CliRun truncated = runCli({"design", "-"}, "LC_ALL=C", "2\r\n\"7\"\r\n");
  EXPECT_EQ(truncated.status, 2);
  EXPECT_TRUE(contains(truncated.err, "standard input")) << truncated.err;
}

TEST(Cli, UnusableArgumentsAndFilesExitWithTwoAndNothingOnStdout) {
  TempDir dir;
  const fs::path good = dir.write("good.sps", kSmpsDefaults);
  const fs::path early = dir.write("early.sps", "4\r\n\"1\"\r\n");
  const struct {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{}, "missing command"},
      {{"report-card"}, "unknown command"},
      {{"design"}, "exactly one FILE"},
      {{"design", good.string(), good.string()}, "exactly one FILE"},
      {{"design", good.string(), "--colour"}, "unknown option --colour"},
      {{"design", good.string(), "-j"}, "unknown option -j"},
      {{"design", good.string(), "--json=yes"}, "takes no value"},
      {{"design", good.string(), "--answer"}, "needs a value"},
      {{"design", good.string(), "--program-dir", (dir.path() / "none").string()}, "not a folder"},
      {{"design", (dir.path() / "missing.sps").string()}, "No such file or directory"},
      {{"design", dir.path().string()}, "Is a directory"},
      {{"design", early.string()}, "ended before the design was complete"},
      {{"design", good.string(), "--save", (dir.path() / "no" / "x.sps").string()},
       "No such file or directory"},
      {{"template"}, "smps, trad, hall"},
      {{"template", "toroid"}, "unknown design type toroid"},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& a : c.args)
      shown += a + " ";
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_TRUE(contains(run.err, c.says)) << shown << "\n" << run.err;
    EXPECT_EQ(run.out, "") << shown;
  }
}

TEST(Cli, AFileWithoutADesignIsRefusedByTheCommandsAskedAboutIt) {
  TempDir dir;
  const std::string path = dir.write("garbage.tct", "garbage\r\n").string();
  const std::string pdf = (dir.path() / "e.pdf").string(),
                    said = path + " holds no Windara design\n";
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"check", path},
                                             {"explain", path},
                                             {"sweep", path, "--vary", "txtRatio=10:20:2"},
                                             {"report", path, "--engineering", "--pdf", pdf},
                                             {"design", path},
                                             {"report", path}}) {
    // design and the printed report show the design on screen, as the window does.
    const bool shown = args.size() == 2 && (args[0] == "design" || args[0] == "report");
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, shown ? 0 : 2) << args[0];
    EXPECT_EQ(run.err, said) << args[0];
    EXPECT_EQ(contains(run.out, "FTQ-0540-210-GX"), shown) << args[0];
  }
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_EQ(runCli({"check", "-"}, "LC_ALL=C", "9\r\n").err,
            "standard input holds no Windara design\n");
}

TEST(Cli, ADesignSavedWithAPeriodOpensUnderADecimalComma) {
  TempDir dir;
  const fs::path file = dir.write("d.sps", kSmpsDefaults);
  const CliRun run = runCli({"design", file.string(), "--json"}, "LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(contains(run.out, "\"txtDutyCyc\": \"0,5\""));
}

TEST(Cli, HelpDescribesTheCommandsAndExitsWithZero) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"design", "--help"}, {"template", "smps", "--help"}}) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(contains(run.out, "windara-cli design FILE [--json]"));
    EXPECT_TRUE(contains(run.out, "windara-cli template smps|trad|hall"));
  }
}

TEST(Cli, ReadableListingUsesTheModesCaptions) {
  TempDir dir;
  const fs::path file = dir.write("h.hef", runCli({"template", "hall"}).out);
  const CliRun run = runCli({"design", file.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(contains(run.out, "Type: Hall Effect\n"));
  EXPECT_TRUE(contains(run.out, "Material: Zendra\n"));
  EXPECT_FALSE(contains(run.out, "Thickness:")) << "Hall has no tape";
  EXPECT_TRUE(contains(run.out, "  Primary Conductor Size (in): 0.100\n"));
  EXPECT_TRUE(contains(run.out, "  Gap Length (in):"));
  EXPECT_FALSE(contains(run.out, "Residual ID")) << "hidden in Hall mode";
}

// An SMPS design whose output voltage is not a number, so that validation asks.
const std::string kBadVoltage =
    "4\r\n\"volts\"\r\n\"50\"\r\n\"10\"\r\n\"0.5\"\r\n\"100\"\r\n\"400\"\r\n2\r\n";

TEST(Cli, InputBoxesTakeTheAnswersInOrder) {
  TempDir dir;
  const fs::path file = dir.write("bad.sps", kBadVoltage);
  const CliRun run =
      runCli({"design", file.string(), "--json", "--answer", "", "--answer=-x", "--answer", "0.5"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto first = run.out.find("\"answer\": \"\"");
  const auto second = run.out.find("\"answer\": \"-x\"");
  const auto third = run.out.find("\"answer\": \"0.5\"");
  ASSERT_NE(first, std::string::npos) << run.out;
  ASSERT_NE(second, std::string::npos) << run.out;
  ASSERT_NE(third, std::string::npos) << run.out;
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_TRUE(contains(run.out, "\"txtVoltage\": \"0.5\""));
  EXPECT_TRUE(contains(run.out, "\"title\": \"Invalid Entry\""));
}

TEST(Cli, RunningOutOfAnswersExitsWithThreeAndNamesThePrompt) {
  TempDir dir;
  const fs::path file = dir.write("bad.sps", kBadVoltage);
  const CliRun run = runCli({"design", file.string(), "--json", "--answer", "still bad"});
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_TRUE(contains(run.err, "needs an answer")) << run.err;
  EXPECT_TRUE(contains(run.err, "Voltage field requires a numeric entry.")) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace windara::testing
