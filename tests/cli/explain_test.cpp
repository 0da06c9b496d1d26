// windara-cli explain end to end: the text table, the JSON read back, the exit
// statuses it shares with design, and agreement with design on every case.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <sstream>

#include "cli_helpers.h"
#include "run_cli.h"
#include "support/support.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

// Runs explain (or design) on a design file's text with the given extra arguments.
CliRun run(const std::string& command, const std::string& design,
           std::vector<std::string> extra = {}, const std::string& env = "LC_ALL=C") {
  TempDir dir;
  const fs::path file = dir.write("d.sps", design);
  extra.insert(extra.begin(), {command, file.string()});
  return runCli(extra, env);
}

TEST(CliExplain, JsonHasTheDocumentedShapeAndMarksTheCoreDesignShows) {
  const std::string design = smpsFile("0.5", "100", "0.5");
  const CliRun x = run("explain", design, {"--json"});
  ASSERT_EQ(x.status, 0) << x.err;
  const QJsonObject o = parsed(x.out);
  EXPECT_EQ(o["type"].toString(), "SMPS");
  EXPECT_EQ(o["table"].toString(), "Ferrite.txt");
  const QJsonObject req = o["requirements"].toObject();
  for (const char* name : {"Is", "ton", "delta I", "Lreq", "gauge", "d", "IDreq"})
    EXPECT_TRUE(req[name].isDouble()) << name;
  EXPECT_EQ(req["Lreq"].toDouble(), 0.5);
  EXPECT_TRUE(o["nearest"].isNull());
  EXPECT_TRUE(o["notes"].isArray());

  const QJsonArray rows = o["rows"].toArray();
  ASSERT_EQ(rows.size(), 26);  // the shipped catalogue, its end marker included
  const int chosen = o["chosen_row"].toInt();
  int marked = 0;
  for (const QJsonValue& v : rows) {
    const QJsonObject r = v.toObject();
    marked += r["chosen"].toBool() ? 1 : 0;
    EXPECT_EQ(r["chosen"].toBool(), r["row"].toInt() == chosen);
    const QJsonArray criteria = r["criteria"].toArray();
    ASSERT_GE(criteria.size(), 4);
    bool all = true;
    for (const QJsonValue& k : criteria) {
      const QJsonObject c = k.toObject();
      EXPECT_TRUE(c["name"].isString());
      EXPECT_TRUE(c["limit"].isDouble());
      EXPECT_TRUE(c["pass"].isBool());
      const QString cmp = c["comparison"].toString();
      EXPECT_TRUE(cmp == ">" || cmp == ">=" || cmp == "<" || cmp == "<=") << cmp.toStdString();
      all = all && c["pass"].toBool();
    }
    // Results come with a row that meets every criterion, and only then.
    EXPECT_EQ(r["results"].isObject(), all) << r["row"].toInt();
  }
  EXPECT_EQ(marked, 1);

  const QJsonObject shown = parsed(run("design", design, {"--json"}).out)["outputs"].toObject();
  const QJsonObject row = rows[chosen - 1].toObject();
  EXPECT_EQ(row["part"].toString(), shown["txtCore"].toString());
  EXPECT_EQ(row["results"].toObject()["Lact"].toDouble(),
            shown["txtActualL"].toString().toDouble());
}

TEST(CliExplain, TextTableMarksTheChosenRowAndListsTheRequirements) {
  const CliRun x = run("explain", smpsFile("0.5", "100", "0.5"));
  ASSERT_EQ(x.status, 0) << x.err;
  EXPECT_TRUE(contains(x.out, "SMPS design, core table Ferrite.txt\n"));
  EXPECT_TRUE(contains(x.out, "\nRequirements:\n  Is       0.1\n"));
  EXPECT_TRUE(contains(x.out, "  AL x N^2     >= 0.5 (rows 1 to 11), > 0.5 (rows 12 to 26)\n"));
  EXPECT_TRUE(contains(x.out, "\nChosen: row 11 (FTQ-0540-210-GX)\n"));
  std::istringstream lines(x.out);
  int starred = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("*", 0) != 0) continue;
    ++starred;
    EXPECT_TRUE(contains(line, " 11 ") && contains(line, "FTQ-0540-210-GX")) << line;
    EXPECT_FALSE(contains(line, "FAIL")) << line;
  }
  EXPECT_EQ(starred, 1);

  // The user's decimal comma in the text; JSON numbers are JSON's.
  const CliRun de = run("explain", smpsFile("0,5", "100", "0,5"), {}, "LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(de.status, 0) << de.err;
  EXPECT_TRUE(contains(de.out, "  Lreq     0,5\n")) << de.out;
}

// Ratio 5000: the winding needs 5.1 in where the largest hole is 2.18 in.
TEST(CliExplain, NoCoreGivesTheNearestAndTheAdvice) {
  const std::string design = smpsFile("0.5", "5000", "0.5");
  const CliRun text = run("explain", design);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(contains(text.out, "\nNo core fits. Nearest: row 25 (FTQ-3500-750-GX), winding ID "))
      << text.out;
  EXPECT_TRUE(contains(text.out, "\nAdvice: turns ratio at most 2,130\n")) << text.out;
  EXPECT_FALSE(contains(text.out, "\n*"));

  const QJsonObject o = parsed(run("explain", design, {"--json"}).out);
  EXPECT_TRUE(o["chosen_row"].isNull());
  const QJsonObject n = o["nearest"].toObject();
  EXPECT_EQ(n["row"].toInt(), 25);
  EXPECT_EQ(n["part"].toString(), "FTQ-3500-750-GX");
  EXPECT_TRUE(n["can_help"].toBool());
  EXPECT_EQ(n["advice"].toString(), "turns ratio at most 2,130");
  EXPECT_EQ(n["criterion"].toObject()["name"].toString(), "winding ID");
  EXPECT_FALSE(n["criterion"].toObject()["pass"].toBool());

  // The advice followed: design finds that core.
  const QJsonObject after = parsed(run("design", smpsFile("0.5", "2130", "0.5"), {"--json"}).out);
  EXPECT_EQ(after["outputs"].toObject()["txtCore"].toString(), "FTQ-3500-750-GX");
}

TEST(CliExplain, ExitStatusesAreThoseOfDesign) {
  const std::string badVoltage = smpsFile("x", "100", "0.5");
  struct Case {
    std::vector<std::string> extra;
    int status;
    const char* err;
  };
  const Case cases[] = {
      {{}, 3, "an input box needs an answer"},
      {{"--answer", "0.5"}, 0, ""},
      {{"--answer", "0.5", "--answer", "1"}, 0, "1 answer(s) left unused"},
      {{"--bogus"}, 2, "unknown option --bogus"},
      {{"--save", "x.sps"}, 2, "unknown option --save"},
  };
  for (const Case& c : cases) {
    const CliRun x = run("explain", badVoltage, c.extra);
    EXPECT_EQ(x.status, c.status) << c.err;
    EXPECT_TRUE(contains(x.err, c.err)) << x.err;
    EXPECT_EQ(x.out.empty(), c.status != 0);
  }
  const CliRun missing = runCli({"explain", "/nonexistent/d.sps"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(contains(missing.err, "cannot open the design")) << missing.err;
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(runCli({"explain"}).status, 2);
  EXPECT_TRUE(contains(runCli({"--help"}).out, "windara-cli explain FILE [--json]"));
}

// Every golden case explained: the chosen row is the core design shows, or
// none when it shows N/A. A type without its explanation yet says so.
TEST(CliExplain, ChosenRowIsTxtCoreOnEveryGoldenCase) {
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(WINDARA_CASES_DIR)) {
    if (!entry.is_directory()) continue;
    SCOPED_TRACE(entry.path().filename().string());
    fs::path file;
    for (const char* name : {"design.sps", "design.tct", "design.hef"}) {
      if (fs::exists(entry.path() / name)) file = entry.path() / name;
    }
    std::vector<std::string> answers;
    if (fs::exists(entry.path() / "answers.txt")) {
      for (const std::string& a : textLines(readFile(entry.path() / "answers.txt"))) {
        answers.push_back("--answer");
        answers.push_back(a);
      }
    }
    auto args = [&](const char* command) {
      std::vector<std::string> a = {command, file.string(), "--json"};
      a.insert(a.end(), answers.begin(), answers.end());
      return a;
    };
    const CliRun design = runCli(args("design"));
    const CliRun explain = runCli(args("explain"));
    ASSERT_EQ(design.status, 0) << design.err;
    // Without a design in the file there is none to explain.
    if (contains(design.err, "holds no Windara design")) {
      EXPECT_EQ(explain.status, 2);
      ++compared;
      continue;
    }
    ASSERT_EQ(explain.status, 0) << explain.err;
    const QJsonObject d = parsed(design.out);
    const QJsonObject x = parsed(explain.out);
    EXPECT_EQ(x["type"], d["type"]);
    const QString core = d["outputs"].toObject()["txtCore"].toString();
    if (x["chosen_row"].isNull()) {
      EXPECT_EQ(core, "N/A");
    } else {
      // Hall rows start at the material's group, so find the row by its number.
      const int row = x["chosen_row"].toInt();
      QString part;
      for (const QJsonValue& r : x["rows"].toArray()) {
        if (r.toObject()["row"].toInt() == row) part = r.toObject()["part"].toString();
      }
      EXPECT_EQ(part, core);
    }
    ++compared;
  }
  EXPECT_GE(compared, 5);  // every case, of all three types
}

}  // namespace
}  // namespace windara::testing
