// windara-cli sweep end to end: the CSV and JSON shapes read back, the points
// against `design` of the same input, log spacing, grids, invalid points, the
// output file and the argument errors.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "cli_helpers.h"
#include "run_cli.h"
#include "support/support.h"
#include "support/table_copy.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

const std::string kCases = WINDARA_CASES_DIR;

// The records of a CSV text as RFC 4180 reads them: fields split at commas
// outside quotes, "" inside quotes one quote, records ended by CR LF.
std::vector<std::vector<std::string>> csvRecords(const std::string& text) {
  std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = records.back().back();
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      records.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      records.emplace_back(1);
      ++i;
    } else {
      EXPECT_NE(c, '\n') << "a line feed without carriage return at " << i;
      field += c;
    }
  }
  EXPECT_EQ(records.back(), std::vector<std::string>{""}) << "the last record is not ended";
  records.pop_back();
  return records;
}

CliRun sweep(const std::string& design, std::vector<std::string> extra,
             const std::string& env = "LC_ALL=C") {
  TempDir dir;
  const fs::path file = dir.write("d.sps", design);
  extra.insert(extra.begin(), {"sweep", file.string()});
  return runCli(extra, env);
}

TEST(CliSweep, CsvHasOneHeaderAndOneQuotedRecordPerPointWithNumbersInPeriods) {
  // With a decimal comma the texts hold commas and are quoted; the number
  // columns use a period.
  const CliRun r = sweep(smpsFile("0,8", "100", "0,5"), {"--vary", "txtDutyCyc=0,1:0.9:5"},
                         "LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto records = csvRecords(r.out);
  ASSERT_EQ(records.size(), 6u);
  std::vector<std::string> header = {"txtVoltage", "txtFrequency", "txtPriCurrent",    "txtCurDens",
                                     "txtRatio",   "txtDutyCyc",   "txtDutyCyc_number"};
  const char* outputs[] = {"txtRequiredL", "txtWireSize", "txtCore", "txtActualL",
                           "txtResID",     "txtPartNum",  "txtID",   "txtOD",
                           "txtHt",        "txtAe",       "txtle",   "txtAL"};
  for (const char* o : outputs)
    header.emplace_back(o);
  for (const char* o : outputs)
    header.push_back(std::string(o) + "_number");
  header.insert(header.end(), {"messages", "found", "invalid", "droop_percent", "flux_swing_gauss",
                               "checks_unavailable"});
  EXPECT_EQ(records[0], header);

  const char* duties[] = {"0,1", "0,3", "0,5", "0,7", "0,9"};
  const char* numbers[] = {"0.1", "0.3", "0.5", "0.7", "0.9"};
  for (std::size_t i = 1; i < records.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& rec = records[i];
    ASSERT_EQ(rec.size(), header.size());
    EXPECT_EQ(rec[0], "0,8");
    EXPECT_EQ(rec[5], duties[i - 1]);
    EXPECT_EQ(rec[6], numbers[i - 1]);
    EXPECT_EQ(rec[31], "");              // no messages
    EXPECT_EQ(rec[32], "true");          // found
    EXPECT_EQ(rec[33], "");              // not invalid
    EXPECT_GT(std::stod(rec[34]), 0.0);  // droop, %
    EXPECT_GT(std::stod(rec[35]), 0.0);  // flux swing, G
    EXPECT_EQ(rec[36], "");
    // The required inductance: in the box with a comma, as a number with a period.
    std::string lreq = rec[7];
    std::replace(lreq.begin(), lreq.end(), ',', '.');
    EXPECT_EQ(rec[19], lreq);
  }
  // Written as a text with a comma, the field is quoted in the file itself.
  EXPECT_TRUE(contains(r.out, "\"0,8\",50,10,400,100,\"0,1\",0.1,")) << r.out.substr(0, 400);
}

TEST(CliSweep, CaptionsAddALineOfEachColumnsCaptionWithItsUnitUnderTheKeys) {
  const struct {
    const char* type;
    const char* vary;
    std::vector<std::pair<std::size_t, std::string>> captions;
  } cases[] = {
      {"smps",
       "txtDutyCyc=0.1:0.5:2",
       {{0, "Output Voltage (V)"}, {6, "Duty Cycle, as a number"}, {7, "Required Min L (mH)"}}},
      {"trad",
       "txtRatio=50:100:2",
       {{0, "Burden R (Ohm)"},
        {7, "Accuracy (%)"},
        {18, "(not used by this type)"},
        {19, "Accuracy (%), as a number"},
        {34, "IEC 61869-2 accuracy class"}}},
      {"hall",
       "txtRatio=1:2:2",
       {{6, "Primary Turns, as a number"}, {11, "(not used by this type)"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    const CliRun made = runCli({"template", c.type}, "LC_ALL=C");
    ASSERT_EQ(made.status, 0) << made.err;
    const CliRun plain = sweep(made.out, {"--vary", c.vary});
    const CliRun r = sweep(made.out, {"--vary", c.vary, "--captions"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto records = csvRecords(r.out);
    const auto without = csvRecords(plain.out);
    ASSERT_EQ(records.size(), 4u);
    // The keys and the points stay as they are without the option.
    EXPECT_EQ(records[0], without.at(0));
    EXPECT_EQ(records[2], without.at(1));
    EXPECT_EQ(records[1].size(), records[0].size());
    for (const auto& [column, caption] : c.captions)
      EXPECT_EQ(records[1].at(column), caption) << records[0].at(column);
  }
}

TEST(CliSweep, JsonHasTheDocumentedShapeAndMarksInvalidPoints) {
  const CliRun r =
      sweep(smpsFile("0.8", "100", "0.5"), {"--json", "--vary", "txtRatio=-50:2950:4"});
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonObject o = parsed(r.out);
  EXPECT_EQ(o["type"].toString(), "SMPS");
  const QJsonArray vary = o["vary"].toArray();
  ASSERT_EQ(vary.size(), 1);
  EXPECT_EQ(vary[0].toObject(),
            (QJsonObject{
                {"box", "txtRatio"}, {"from", -50}, {"to", 2950}, {"count", 4}, {"log", false}}));
  const QJsonArray points = o["points"].toArray();
  ASSERT_EQ(points.size(), 4);

  // -50 turns is refused; 950 finds a core; 2950 leaves no hole large enough.
  const QJsonObject bad = points[0].toObject();
  EXPECT_EQ(bad["invalid"].toString(),
            "Turns Ratio field requires a numeric entry greater than zero.");
  EXPECT_TRUE(bad["outputs"].isNull());
  EXPECT_TRUE(bad["numbers"].isNull());
  EXPECT_FALSE(bad["found"].toBool());
  EXPECT_EQ(bad["inputs"].toObject()["txtRatio"].toString(), "-50");

  const QJsonObject designJson =
      parsed(runCli({"design", kCases + "/smps-start/design.sps", "--json"}).out);
  for (const QJsonValue& v : points) {
    const QJsonObject p = v.toObject();
    EXPECT_EQ(p.keys(), (QStringList{"checks", "found", "inputs", "invalid", "messages", "numbers",
                                     "outputs", "varied"}));
    EXPECT_EQ(p["inputs"].toObject().keys(), designJson["inputs"].toObject().keys());
    EXPECT_TRUE(p["messages"].isArray());
    EXPECT_EQ(p["checks"].isNull(), !p["found"].toBool());
    if (p["found"].toBool()) {
      EXPECT_EQ(p["checks"].toObject().keys(),
                (QStringList{"droop_percent", "flux_swing_gauss", "unavailable"}));
    }
    EXPECT_EQ(p["varied"].toObject().keys(), QStringList{"txtRatio"});
    if (p["invalid"].isNull()) {
      EXPECT_EQ(p["outputs"].toObject().keys(), designJson["outputs"].toObject().keys());
      EXPECT_EQ(p["numbers"].toObject().keys(), designJson["outputs"].toObject().keys());
    }
  }
  const QJsonObject found = points[1].toObject();
  EXPECT_TRUE(found["found"].toBool());
  EXPECT_EQ(found["varied"].toObject()["txtRatio"].toDouble(), 950);
  const QJsonObject numbers = found["numbers"].toObject();
  EXPECT_TRUE(numbers["txtCore"].isNull());  // a part number
  EXPECT_EQ(numbers["txtRequiredL"].toDouble(),
            found["outputs"].toObject()["txtRequiredL"].toString().toDouble());
  const QJsonObject none = points[3].toObject();
  EXPECT_FALSE(none["found"].toBool());
  EXPECT_EQ(none["outputs"].toObject()["txtCore"].toString(), "N/A");
  EXPECT_EQ(none["messages"].toArray(), QJsonArray{"Required Core Too Large"});
}

// A design file of `caseName` with `box` (at `line` of the file) set to `text`.
std::string withText(const std::string& caseName, int line, const std::string& text) {
  std::string file;
  for (const std::string& l : textLines(readFile(fs::path(kCases) / caseName)))
    file += l + "\r\n";
  std::size_t at = 0;
  for (int k = 0; k < line; ++k)
    at = file.find("\r\n", at) + 2;
  const std::size_t end = file.find("\r\n", at);
  return file.replace(at, end - at, "\"" + text + "\"");
}

// The main figures of a point's checks against all the checks design reports.
void expectSameChecks(const QJsonValue& point, const QJsonValue& design) {
  ASSERT_EQ(point.isNull(), design.isNull());
  if (point.isNull()) return;
  const QJsonObject p = point.toObject(), d = design.toObject();
  EXPECT_TRUE(p["unavailable"].isNull());
  const QString type = d["type"].toString();
  const auto same = [&](const char* key, const QJsonValue& expected) {
    EXPECT_EQ(p[key], expected) << key << " of " << type.toStdString();
  };
  if (type == "Traditional") {
    same("class", d["class"]);
    int rated = 0;
    for (const QJsonValue& v : d["points"].toArray()) {
      const QJsonObject dp = v.toObject();
      if (dp["current_percent"].toDouble() != 100 || dp["burden_percent"].toDouble() != 100)
        continue;
      ++rated;
      same("ratio_error_percent", dp["ratio_error_percent"]);
      same("phase_minutes", dp["phase_minutes"]);
    }
    EXPECT_EQ(rated, 1);
  } else if (type == "SMPS") {
    same("droop_percent", d["droop_percent"]);
    same("flux_swing_gauss", d["flux_swing_gauss"]);
  } else {
    same("core_flux_gauss", d["core_flux_gauss"]);
    // Bsat over the core flux, less one: how far the flux stays below saturation.
    EXPECT_DOUBLE_EQ(p["saturation_margin"].toDouble(),
                     d["bsat_gauss"].toDouble() / d["core_flux_gauss"].toDouble() - 1);
    EXPECT_GT(p["saturation_margin"].toDouble(), 0.0);
  }
}

TEST(CliSweep, EachPointShowsWhatDesignShowsForThatInput) {
  struct Case {
    const char* file;
    const char* box;
    int line;  // of the box's text in the design file
    const char* range;
  };
  const Case cases[] = {
      {"smps-start/design.sps", "txtPriCurrent", 3, "1:40:4"},
      {"trad-tormix-1mil/design.tct", "txtVoltage", 1, "1:60:4:log"},
      {"hall-ferrite/design.hef", "txtRatio", 5, "1:4:4"},
      {"hall-ferrite/design.hef", "txtPriCurrent", 3, "20:150:4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const CliRun r = runCli(
        {"sweep", kCases + "/" + c.file, "--json", "--vary", std::string(c.box) + "=" + c.range});
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonArray points = parsed(r.out)["points"].toArray();
    ASSERT_EQ(points.size(), 4);
    for (const QJsonValue& v : points) {
      const QJsonObject p = v.toObject();
      const std::string text = p["inputs"].toObject()[c.box].toString().toStdString();
      TempDir dir;
      const fs::path file = dir.write("d", withText(c.file, c.line, text));
      const QJsonObject single = parsed(runCli({"design", file.string(), "--json"}).out);
      EXPECT_EQ(p["inputs"].toObject(), single["inputs"].toObject()) << text;
      EXPECT_EQ(p["outputs"].toObject(), single["outputs"].toObject()) << text;
      expectSameChecks(p["checks"], single["checks"]);
    }
  }
}

TEST(CliSweep, ChecksSayWhyThereAreNoneWithoutMaterialData) {
  const TableCopy tablesOnly;  // no Materials.txt
  TempDir dir;
  const fs::path design = dir.write("d.tct", withText("trad-tormix-1mil/design.tct", 1, "5"));
  const CliRun r = runCli({"sweep", design.string(), "--json", "--program-dir",
                           tablesOnly.path().string(), "--vary", "txtRatio=100:200:2"});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const QJsonValue& v : parsed(r.out)["points"].toArray()) {
    const QJsonObject checks = v.toObject()["checks"].toObject();
    EXPECT_TRUE(
        contains(checks["unavailable"].toString().toStdString(), "material data unavailable: "))
        << checks["unavailable"].toString().toStdString();
    for (const char* key : {"class", "ratio_error_percent", "phase_minutes"})
      EXPECT_TRUE(checks[key].isNull()) << key;
  }
}

TEST(CliSweep, LogRangesAndGridsComeInOrderEitherWay) {
  const CliRun r = sweep(smpsFile("0.8", "100", "0.5"),
                         {"--json", "--vary", "txtRatio=1000:10:3:log", "--vary=txtVoltage=2:2:2"});
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonArray points = parsed(r.out)["points"].toArray();
  std::vector<std::string> seen;
  for (const QJsonValue& v : points) {
    const QJsonObject in = v.toObject()["inputs"].toObject();
    seen.push_back(in["txtRatio"].toString().toStdString() + "/" +
                   in["txtVoltage"].toString().toStdString());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1000/2", "1000/2", "100/2", "100/2", "10/2", "10/2"}));
}

TEST(CliSweep, WritesToAFileOnlyWhenItCanBeWrittenWhole) {
  TempDir dir;
  const fs::path design = dir.write("d.sps", smpsFile("0.8", "100", "0.5"));
  const fs::path out = dir.path() / "points.csv";
  const CliRun toFile =
      runCli({"sweep", design.string(), "--vary", "txtRatio=10:50:5", "--out", out.string()});
  ASSERT_EQ(toFile.status, 0) << toFile.err;
  EXPECT_EQ(toFile.out, "");
  const CliRun toStdout = runCli({"sweep", design.string(), "--csv", "--vary", "txtRatio=10:50:5"});
  EXPECT_EQ(readFile(out), toStdout.out);
  EXPECT_EQ(textLines(toStdout.out).size(), 6u);

  const CliRun unwritable = runCli({"sweep", design.string(), "--vary", "txtRatio=10:50:5", "--out",
                                    (dir.path() / "no" / "such.csv").string()});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_EQ(unwritable.out, "");
  EXPECT_TRUE(contains(unwritable.err, "cannot write")) << unwritable.err;
}

TEST(CliSweep, OpensTheFileAsDesignDoes) {
  // A bad input of the file itself needs its answer, as for design; the
  // answer then holds for every point.
  const std::string bad = kCases + "/smps-bad-voltage/design.sps";
  const CliRun asks = runCli({"sweep", bad, "--vary", "txtRatio=10:50:2"});
  EXPECT_EQ(asks.status, 3);
  EXPECT_EQ(asks.out, "");
  const CliRun answered =
      runCli({"sweep", bad, "--answer", "0.5", "--json", "--vary", "txtRatio=10:50:2"});
  ASSERT_EQ(answered.status, 0) << answered.err;
  for (const QJsonValue& v : parsed(answered.out)["points"].toArray())
    EXPECT_EQ(v.toObject()["inputs"].toObject()["txtVoltage"].toString(), "0.5");

  const CliRun fromStdin = runCli({"sweep", "-", "--vary", "txtRatio=10:50:2"}, "LC_ALL=C",
                                  smpsFile("0.8", "100", "0.5"));
  EXPECT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(textLines(fromStdin.out).size(), 3u);
  EXPECT_EQ(runCli({"sweep", "/no/such/design.sps", "--vary", "txtRatio=1:2:2"}).status, 2);
}

TEST(CliSweep, ShowsProgressOnlyOnATerminal) {
  if (commandOutput("command -v script").empty()) GTEST_SKIP() << "no `script` to give a terminal";
  TempDir dir;
  const fs::path design = dir.write("d.sps", smpsFile("0.8", "100", "0.5"));
  const fs::path out = dir.path() / "points.csv";
  // `script` runs the sweep with a terminal as its standard error.
  const std::string terminal = commandOutput(
      "LC_ALL=C script -qec \"'" + std::string(WINDARA_CLI) + "' sweep '" + design.string() +
      "' --vary txtRatio=50:400:3000 --out '" + out.string() + "'\" /dev/null");
  EXPECT_TRUE(contains(terminal, "sweep: 3000 of 3000 points")) << terminal;
  EXPECT_EQ(textLines(readFile(out)).size(), 3001u);
  // Without a terminal: nothing on standard error.
  const CliRun piped = runCli({"sweep", design.string(), "--vary", "txtRatio=50:400:3000"});
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.err, "");
}

TEST(CliSweep, ArgumentErrorsExitWithStatusTwoAndSayWhy) {
  const std::string design = smpsFile("0.8", "100", "0.5");
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, "sweep needs --vary"},
      {{"--vary", "txtCore=1:2:3"}, "unknown box 'txtCore'"},
      {{"--vary", "Ratio=1:2:3"}, "unknown box 'Ratio'"},
      {{"--vary", "txtRatio=1:2:1"}, "COUNT '1' is not a whole number from 2 to 1,000,000"},
      {{"--vary", "txtRatio=1:2:1000001"}, "COUNT '1000001'"},
      {{"--vary", "txtRatio=one:2:3"}, "FROM 'one' is not a number"},
      {{"--vary", "txtRatio=1:two:3"}, "TO 'two' is not a number"},
      {{"--vary", "txtRatio=0:10:3:log"}, "a log range needs FROM and TO above zero"},
      {{"--vary", "txtRatio=1:2:3:cubic"},
       "--vary needs BOX=FROM:TO:COUNT or BOX=FROM:TO:COUNT:log"},
      {{"--vary", "txtRatio=1:2:3", "--vary", "txtRatio=3:4:2"}, "txtRatio is varied twice"},
      {{"--vary", "txtRatio=1:2:3", "--vary", "txtVoltage=1:2:2", "--vary", "txtCurDens=1:2:2"},
       "at most two --vary"},
      {{"--vary", "txtRatio=1:2:3", "--csv", "--json"}, "give --csv or --json, not both"},
      {{"--vary", "txtRatio=1:2:3", "--json", "--captions"}, "--captions is for CSV"},
      {{"--vary"}, "--vary needs a value"},
      {{"--vary", "txtRatio=1:2:3", "--steps", "4"}, "unknown option --steps"},
  };
  for (const auto& [args, message] : cases) {
    const CliRun r = sweep(design, args);
    SCOPED_TRACE(message);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(contains(r.err, std::string("windara-cli: sweep: ") + message)) << r.err;
  }
}

}  // namespace
}  // namespace windara::testing
