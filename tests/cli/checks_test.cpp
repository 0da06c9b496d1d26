// The checks in windara-cli: design --json's "checks" read back and recomputed from the
// figures it reports, the check command's text, and the class per row of explain.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <optional>
#include <string>

#include "run_cli.h"
#include "support/support.h"
#include "support/test_materials.h"

namespace windara::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = WINDARA_CASES_DIR;
const std::string kTormix = (kCases / "trad-tormix-1mil" / "design.tct").string();

QJsonObject parsed(const std::string& json) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return doc.object();
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A program folder with the shipped core tables and, when given, a Materials.txt.
struct Folder {
  explicit Folder(const char* materials) {
    for (const char* table : {"TWC.txt", "Ferrite.txt", "Hall.txt"})
      fs::copy_file(dataDir() / table, dir.path() / table);
    if (materials) dir.write("Materials.txt", materials);
  }
  std::string path() const { return dir.path().string(); }
  TempDir dir;
};

// The class table of IEC 61869-2 for measuring CTs, limits at 1, 5, 20, 50, 100 and 120 %
// of rated current (0: none there), in the order the classes are tried.
struct ClassLimits {
  const char* name;
  std::array<double, 6> ratio, phase;
};
const ClassLimits kClasses[] = {
    {"0.1", {0, 0.4, 0.2, 0, 0.1, 0.1}, {0, 15, 8, 0, 5, 5}},
    {"0.2S", {0.75, 0.35, 0.2, 0, 0.2, 0.2}, {30, 15, 10, 0, 10, 10}},
    {"0.2", {0, 0.75, 0.35, 0, 0.2, 0.2}, {0, 30, 15, 0, 10, 10}},
    {"0.5S", {1.5, 0.75, 0.5, 0, 0.5, 0.5}, {90, 45, 30, 0, 30, 30}},
    {"0.5", {0, 1.5, 0.75, 0, 0.5, 0.5}, {0, 90, 45, 0, 30, 30}},
    {"1", {0, 3, 1.5, 0, 1, 1}, {0, 180, 90, 0, 60, 60}},
    {"3", {0, 0, 0, 3, 0, 3}, {0, 0, 0, 0, 0, 0}},
    {"5", {0, 0, 0, 5, 0, 5}, {0, 0, 0, 0, 0, 0}},
};
constexpr double kCurrents[] = {1, 5, 20, 50, 100, 120};

// The least (limit - |error|) / limit of a class over the reported points.
double classMargin(const ClassLimits& c, const QJsonArray& points) {
  double least = INFINITY;
  for (const QJsonValue& v : points) {
    const QJsonObject p = v.toObject();
    for (std::size_t i = 0; i < 6; ++i) {
      if (p["current_percent"].toDouble() != kCurrents[i]) continue;
      if (c.ratio[i] > 0)
        least = std::min(
            least, (c.ratio[i] - std::fabs(p["ratio_error_percent"].toDouble())) / c.ratio[i]);
      if (c.phase[i] > 0)
        least =
            std::min(least, (c.phase[i] - std::fabs(p["phase_minutes"].toDouble())) / c.phase[i]);
    }
  }
  return least;
}

// Every point's errors worked out again from its Is, Ia and Im; the class and its margin
// from the points. Returns the class found.
std::optional<std::string> recomputeTraditional(const QJsonObject& checks) {
  const QJsonArray points = checks["points"].toArray();
  EXPECT_EQ(points.size(), 12);
  int i = 0;
  for (const QJsonValue& v : points) {
    const QJsonObject p = v.toObject();
    EXPECT_EQ(p["burden_percent"].toDouble(), i < 6 ? 100 : 25);
    EXPECT_EQ(p["current_percent"].toDouble(), kCurrents[i % 6]);
    for (const char* key : {"Es", "B", "mu_a"})
      EXPECT_TRUE(p[key].isDouble()) << key;
    const double Is = p["Is"].toDouble(), Ia = p["Ia"].toDouble(), Im = p["Im"].toDouble();
    const double eps = 100 * (Is / std::hypot(Is + Ia, Im) - 1);
    const double delta = std::atan2(Im, Is + Ia) * 180 / std::numbers::pi * 60;
    EXPECT_NEAR(p["ratio_error_percent"].toDouble(), eps, 1e-9 * std::max(1.0, std::fabs(eps)));
    EXPECT_NEAR(p["phase_minutes"].toDouble(), delta, 1e-9 * std::max(1.0, delta));
    ++i;
  }
  std::optional<std::string> found;
  double margin = 0;
  for (const ClassLimits& c : kClasses) {
    margin = classMargin(c, points);
    if (margin >= 0) {
      found = c.name;
      break;
    }
  }
  if (found) {
    EXPECT_EQ(checks["class"].toString().toStdString(), *found);
  } else {
    EXPECT_TRUE(checks["class"].isNull());
  }
  EXPECT_NEAR(checks["margin"].toDouble(), margin, 1e-12);
  return found;
}

TEST(CliChecks, TraditionalPointsAndClassAgreeWithTheirOwnFigures) {
  Folder flat(kTestMaterials);
  const struct {
    std::string programDir;
    std::optional<std::string> cls;
    bool saturates;
  } cases[] = {
      // Flat tape, worked by hand in the app tests: class 3.
      {flat.path(), "3", false},
      // The shipped tape saturates at rated current: no class at all.
      {WINDARA_PROGRAM_DIR, std::nullopt, true},
  };
  for (const auto& c : cases) {
    const CliRun run = runCli({"design", kTormix, "--json", "--program-dir", c.programDir});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject checks = parsed(run.out)["checks"].toObject();
    EXPECT_EQ(checks["type"].toString(), "Traditional");
    EXPECT_EQ(checks["part"].toString(), "TW-1023-1P");
    EXPECT_TRUE(checks["unavailable"].isNull());
    EXPECT_EQ(recomputeTraditional(checks), c.cls);
    for (const char* key : {"max_burden_ohms", "compensation_turns", "winding_ohms",
                            "demand_tesla_at_120", "security_factor"})
      EXPECT_TRUE(checks[key].isDouble() || checks[key].isNull()) << key;
    EXPECT_TRUE(checks["saturates"].isBool());
    EXPECT_EQ(checks["saturates"].toBool(), c.saturates);
  }
}

// SMPS and Hall: each item holds a value within or beyond its limit as "pass" says, and the
// whole passes exactly when every item does.
TEST(CliChecks, SmpsAndHallItemsAgreeWithTheirVerdict) {
  const struct {
    const char* file;
    const char* type;
    std::vector<const char*> keys;
  } cases[] = {
      {"smps-start/design.sps",
       "SMPS",
       {"burden_ohms", "flux_swing_gauss", "flux_swing_limit_gauss", "droop_percent",
        "droop_percent_min_AL", "reset_voltage", "low_cutoff_hz"}},
      {"hall-ferrite/design.hef",
       "Hall Effect",
       {"fringing_factor", "core_flux_gauss", "bsat_gauss", "saturation_current",
        "hysteresis_offset_amps"}},
  };
  for (const auto& c : cases) {
    const CliRun run = runCli({"design", (kCases / c.file).string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject checks = parsed(run.out)["checks"].toObject();
    EXPECT_EQ(checks["type"].toString(), c.type);
    for (const char* key : c.keys)
      EXPECT_TRUE(checks[key].isDouble()) << c.type << " " << key;
    bool all = true;
    for (const QJsonValue& v : checks["items"].toArray()) {
      const QJsonObject item = v.toObject();
      const double value = item["value"].toDouble(), limit = item["limit"].toDouble();
      const bool within = item["at_most"].toBool() ? value <= limit : value >= limit;
      EXPECT_EQ(item["pass"].toBool(), within) << item["text"].toString().toStdString();
      all = all && within;
    }
    EXPECT_EQ(checks["pass"].toBool(), all);
  }
}

// No core: "checks" is null. No material data: an object that says why, and every other
// byte of the output as with the data.
TEST(CliChecks, NullWithoutACoreAndAReasonWithoutMaterialData) {
  TempDir dir;
  const fs::path tooMany = dir.write(
      "d.sps", "4\r\n\"0.8\"\r\n\"50\"\r\n\"10\"\r\n\"0.5\"\r\n\"5000\"\r\n\"400\"\r\n2\r\n");
  const CliRun none = runCli({"design", tooMany.string(), "--json"});
  ASSERT_EQ(none.status, 0) << none.err;
  const QJsonObject o = parsed(none.out);
  EXPECT_EQ(o["outputs"].toObject()["txtCore"].toString(), "N/A");
  ASSERT_TRUE(o.contains("checks"));
  EXPECT_TRUE(o["checks"].isNull());
  EXPECT_TRUE(contains(none.out, "\n  \"checks\": null\n}\n"));

  Folder bare(nullptr);
  const CliRun with = runCli({"design", kTormix, "--json"});
  const CliRun without = runCli({"design", kTormix, "--json", "--program-dir", bare.path()});
  ASSERT_EQ(without.status, 0) << without.err;
  const std::string head = "\n  \"checks\": ";
  ASSERT_TRUE(contains(with.out, head));
  EXPECT_EQ(without.out.substr(0, without.out.find(head)), with.out.substr(0, with.out.find(head)));
  const QJsonObject checks = parsed(without.out)["checks"].toObject();
  EXPECT_EQ(checks["unavailable"].toString().toStdString(),
            "material data unavailable: Materials.txt cannot be opened: No such file or "
            "directory");
  EXPECT_FALSE(checks.contains("points"));
  EXPECT_EQ(checks["part"].toString(), "TW-1023-1P");
}

TEST(CliChecks, CheckPrintsTheChecksForPeople) {
  Folder flat(kTestMaterials);
  const CliRun trad = runCli({"check", kTormix, "--program-dir", flat.path()});
  ASSERT_EQ(trad.status, 0) << trad.err;
  for (const char* part : {"Traditional checks of TW-1023-1P (tape P 1 mil)\n",
                           "\nIEC 61869-2 class 3 at 100 % and 25 % burden\n",
                           "Winding resistance Rw = N x MLT / 12000 x WireOhms = 2.61 \u03a9\n"})
    EXPECT_TRUE(contains(trad.out, part)) << part << "\n" << trad.out;
  // The rated point at full burden, worked by hand in the app tests.
  bool rated = false;
  for (const std::string& line : textLines(trad.out))
    rated = rated || (line.rfind("  100 %   100 %", 0) == 0 && contains(line, "-1.77") &&
                      contains(line, "+156"));
  EXPECT_TRUE(rated) << trad.out;

  // The smps-start design as typed with a decimal comma.
  TempDir dir;
  const fs::path comma = dir.write(
      "c.sps", "4\r\n\"0,8\"\r\n\"50\"\r\n\"10\"\r\n\"0,5\"\r\n\"100\"\r\n\"400\"\r\n2\r\n");
  const CliRun smps = runCli({"check", comma.string()}, "LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(smps.status, 0) << smps.err;
  // Settled with the reset resistor: (0.8 + 0.7) x 1e-5 / (100 x 0.158e-4) / (1 - e^-1) = 150 G;
  // with the burden alone 31.36e-3 x 0.5 x 0.1 / (100 x 0.158e-4) = 9,924 G.
  bool swing = false;
  for (const std::string& line : textLines(smps.out))
    swing = swing ||
            (line.rfind("  flux swing 150 G, within 2.600 G ", 0) == 0 && line.ends_with(" ok"));
  EXPECT_TRUE(swing) << smps.out;
  EXPECT_TRUE(contains(smps.out,
                       "\nSMPS checks: pass; without a reset path the core saturates: with the "
                       "burden alone its flux walks up to 9.924 G, above 2.600 G\n"))
      << smps.out;

  const fs::path tooMany = dir.write(
      "d.sps", "4\r\n\"0.8\"\r\n\"50\"\r\n\"10\"\r\n\"0.5\"\r\n\"5000\"\r\n\"400\"\r\n2\r\n");
  const CliRun none = runCli({"check", tooMany.string()});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "No core chosen: nothing to check.\n");

  const CliRun bad = runCli({"check"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_TRUE(bad.out.empty());
  EXPECT_TRUE(contains(bad.err, "check: exactly one FILE is needed")) << bad.err;
}

// explain: every Traditional row that fits has its class; the chosen row's is the one the
// design's checks give.
TEST(CliChecks, ExplainGivesTheClassOfEachFittingTraditionalRow) {
  Folder flat(kTestMaterials);
  const QJsonObject x =
      parsed(runCli({"explain", kTormix, "--json", "--program-dir", flat.path()}).out);
  int classes = 0;
  for (const QJsonValue& v : x["rows"].toArray()) {
    const QJsonObject row = v.toObject();
    EXPECT_EQ(row.contains("class"), row["results"].isObject()) << row["row"].toInt();
    if (!row.contains("class")) continue;
    ++classes;
    EXPECT_TRUE(row["class"].isString() || row["class"].isNull());
    EXPECT_TRUE(row["class_margin"].isDouble());
    if (row["chosen"].toBool()) {
      EXPECT_EQ(row["class"].toString(), "3");
    }
  }
  EXPECT_GT(classes, 1);
  const CliRun text = runCli({"explain", kTormix, "--program-dir", flat.path()});
  EXPECT_TRUE(contains(text.out, "class: the IEC 61869-2 class")) << text.out;
}

}  // namespace
}  // namespace windara::testing
