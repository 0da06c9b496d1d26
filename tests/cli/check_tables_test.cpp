// windara-cli check-tables end to end: exit statuses, the text lines and the
// JSON object, on copies of the shipped tables with breaches put in.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

#include "run_cli.h"
#include "support/table_copy.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

const std::string kRecord12 =
    "TWC.txt record 12: field 5 (0.1) is smaller than record 11's (0.1088); the area search may "
    "pass over the smallest core that fits\n";

void breakRecord12(const TableCopy& copy) {
  TableText twc = copy.load("TWC.txt");
  twc.field(12, 5) = "0.1";
  copy.save("TWC.txt", twc);
}

TEST(CheckTablesCli, ExitStatusSaysWhetherTheTablesHoldBreakOrCannotBeRead) {
  const struct {
    const char* name;
    std::function<void(const TableCopy&)> edit;
    std::vector<std::string> extra;  // after the program folder
    int status;
    std::string out;  // a part of standard output
  } cases[] = {
      {"shipped", [](const TableCopy&) {}, {}, 0, "hold what the core searches rely on\n"},
      {"broken", breakRecord12, {}, 1, kRecord12},
      {"missing",
       [](const TableCopy& c) {
         breakRecord12(c);
         fs::remove(c.path() / "Hall.txt");
       },
       {},
       2,
       "Hall.txt: cannot be opened"},
      {"folder",
       [](const TableCopy& c) {
         fs::remove(c.path() / "Ferrite.txt");
         fs::create_directory(c.path() / "Ferrite.txt");
       },
       {},
       2,
       "Ferrite.txt: cannot be opened: it is a folder"},
      {"file given", [](const TableCopy&) {}, {"TWC.txt"}, 2, ""},
      {"unknown option", [](const TableCopy&) {}, {"--answer", "1"}, 2, ""},
  };
  for (const auto& c : cases) {
    TableCopy copy;
    c.edit(copy);
    std::vector<std::string> args{"check-tables", "--program-dir", copy.path().string()};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.out << run.err;
    EXPECT_TRUE(contains(run.out, c.out)) << c.name << "\n" << run.out;
    // A usage mistake says why on standard error and prints nothing else.
    if (c.out.empty()) {
      EXPECT_EQ(run.out, "") << c.name;
      EXPECT_TRUE(contains(run.err, "check-tables:")) << c.name << run.err;
    }
  }
}

TEST(CheckTablesCli, TheProgramsOwnTablesAreCheckedWithoutProgramDir) {
  const CliRun run = runCli({"check-tables"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const CliRun nowhere = runCli({"check-tables", "--program-dir", "/nonexistent/windara"});
  EXPECT_EQ(nowhere.status, 2);
  EXPECT_TRUE(contains(nowhere.err, "is not a folder")) << nowhere.err;
}

// The JSON gives the same findings as the text, one line each, with row and
// field null for a file that cannot be opened.
TEST(CheckTablesCli, JsonParsesAndMatchesTheTextLines) {
  TableCopy copy;
  breakRecord12(copy);
  TableText hall = copy.load("Hall.txt");
  hall.field(8, 8) = "0.9";
  copy.save("Hall.txt", hall);
  fs::remove(copy.path() / "Ferrite.txt");
  const std::vector<std::string> args{"check-tables", "--program-dir", copy.path().string()};

  const CliRun text = runCli(args);
  std::vector<std::string> withJson = args;
  withJson.push_back("--json");
  const CliRun json = runCli(withJson);
  EXPECT_EQ(json.status, 2);

  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out;
  const QJsonObject root = doc.object();
  EXPECT_FALSE(root["ok"].toBool(true));
  const QJsonArray findings = root["findings"].toArray();
  ASSERT_EQ(findings.size(), 3) << json.out;

  const struct {
    const char* file;
    int row, field;  // 0 for null
    const char* problem;
  } expected[] = {
      {"TWC.txt", 12, 5, "field 5 (0.1) is smaller than record 11's (0.1088)"},
      {"Ferrite.txt", 0, 0, "cannot be opened: No such file or directory"},
      {"Hall.txt", 8, 8, "column 8 (0.9) is not the closing mark 999"},
  };
  std::string lines;
  for (qsizetype i = 0; i < findings.size(); ++i) {
    const QJsonObject f = findings[i].toObject();
    const auto& e = expected[i];
    EXPECT_EQ(f["file"].toString().toStdString(), e.file);
    EXPECT_EQ(f["row"].isNull(), e.row == 0) << e.file;
    EXPECT_EQ(f["field"].isNull(), e.field == 0) << e.file;
    EXPECT_EQ(f["row"].toInt(), e.row) << e.file;
    EXPECT_EQ(f["field"].toInt(), e.field) << e.file;
    EXPECT_EQ(f["problem"].toString().toStdString(), e.problem);
    EXPECT_FALSE(f["effect"].toString().isEmpty()) << e.file;
    lines +=
        f["file"].toString().toStdString() +
        (e.row > 0 ? " " + std::string(i == 0 ? "record " : "row ") + std::to_string(e.row) : "") +
        ": " + e.problem + "; " + f["effect"].toString().toStdString() + "\n";
  }
  EXPECT_EQ(text.out, lines);

  const CliRun clean = runCli({"check-tables", "--json"});
  const QJsonObject ok = QJsonDocument::fromJson(QByteArray::fromStdString(clean.out)).object();
  EXPECT_TRUE(ok["ok"].toBool(false)) << clean.out;
  EXPECT_TRUE(ok["findings"].isArray());
  EXPECT_TRUE(ok["findings"].toArray().isEmpty());
}

TEST(CheckTablesCli, HelpNamesTheCommand) {
  const CliRun run = runCli({"--help"});
  EXPECT_TRUE(contains(run.out, "windara-cli check-tables [--program-dir DIR] [--json]"));
}

}  // namespace
}  // namespace windara::testing
