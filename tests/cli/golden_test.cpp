// Every folder of tests/cases run through windara-cli --json and compared with
// its expected.json. WINDARA_UPDATE_GOLDEN=1 rewrites the expected files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_cli.h"
#include "support/support.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

// The first differing line, with both texts in full.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  const auto e = textLines(expected);
  const auto a = textLines(actual);
  std::size_t i = 0;
  while (i < e.size() && i < a.size() && e[i] == a[i])
    ++i;
  std::ostringstream s;
  s << "first difference at line " << i + 1 << ":\n  expected: " << (i < e.size() ? e[i] : "<end>")
    << "\n  actual:   " << (i < a.size() ? a[i] : "<end>") << "\n--- expected ---\n"
    << expected << "--- actual ---\n"
    << actual;
  return s.str();
}

std::optional<fs::path> designIn(const fs::path& dir) {
  for (const char* name : {"design.sps", "design.tct", "design.hef"}) {
    if (fs::exists(dir / name)) return dir / name;
  }
  return std::nullopt;
}

TEST(Golden, EveryCaseGivesItsExpectedJson) {
  const bool update = std::getenv("WINDARA_UPDATE_GOLDEN") != nullptr &&
                      std::string(std::getenv("WINDARA_UPDATE_GOLDEN")) == "1";
  std::vector<fs::path> cases;
  for (const auto& e : fs::directory_iterator(WINDARA_CASES_DIR)) {
    if (e.is_directory()) cases.push_back(e.path());
  }
  std::sort(cases.begin(), cases.end());
  ASSERT_FALSE(cases.empty());
  for (const fs::path& dir : cases) {
    SCOPED_TRACE(dir.filename().string());
    const auto design = designIn(dir);
    ASSERT_TRUE(design) << "no design.sps, design.tct or design.hef";
    std::vector<std::string> args = {"design", design->string(), "--json"};
    if (fs::exists(dir / "answers.txt")) {
      for (const std::string& answer : textLines(readFile(dir / "answers.txt"))) {
        args.push_back("--answer");
        args.push_back(answer);
      }
    }
    const CliRun run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path expectedFile = dir / "expected.json";
    if (update) {
      std::ofstream(expectedFile, std::ios::binary) << run.out;
      continue;
    }
    const std::string expected = readFile(expectedFile);
    EXPECT_TRUE(expected == run.out) << firstDifference(expected, run.out);
  }
}

}  // namespace
}  // namespace windara::testing
