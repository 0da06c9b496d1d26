// windara-cli advise end to end: the JSON shape, --apply reproduced by design, a requirement
// nothing meets, and the argument errors.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "run_cli.h"
#include "support/support.h"

namespace windara::testing {
namespace {

QJsonObject parsed(const std::string& text) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

std::string templateFile(const TempDir& dir, const std::string& type, const char* name) {
  return dir.write(name, runCli({"template", type}).out).string();
}

// The best candidate written by --apply is the design `design` shows: core, inputs, class.
TEST(CliAdvise, AppliedBestIsWhatDesignShows) {
  TempDir dir;
  const std::string file = templateFile(dir, "trad", "t.tct");
  const std::string out = (dir.path() / "best.tct").string();
  const CliRun r =
      runCli({"advise", file, "--class", "0.5", "--count", "1", "--json", "--apply", out});
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonObject advice = parsed(r.out);
  EXPECT_EQ(advice["requirement"].toObject()["class"].toString(), "0.5");
  EXPECT_EQ(advice["requirement"].toObject()["burden_ohm"].toDouble(), 5);
  ASSERT_EQ(advice["best"].toInt(-1), 0);
  EXPECT_TRUE(advice["reason"].isNull());
  EXPECT_GT(advice["searched"].toDouble(), 0);
  const QJsonArray candidates = advice["candidates"].toArray();
  ASSERT_FALSE(candidates.isEmpty());
  const QJsonObject best = candidates[0].toObject();
  EXPECT_TRUE(best["pass"].toBool());
  EXPECT_GE(best["margin"].toDouble(), 0);
  // One candidate per alloy, each meeting class 0.5 and no worse ranked than the next.
  for (qsizetype k = 1; k < candidates.size(); ++k)
    EXPECT_LE(candidates[k - 1].toObject()["volume_cm3"].toDouble(),
              candidates[k].toObject()["volume_cm3"].toDouble());

  const QJsonObject shown = parsed(runCli({"design", out, "--json"}).out);
  EXPECT_EQ(shown["outputs"].toObject()["txtCore"].toString(), best["core"].toString());
  EXPECT_EQ(shown["inputs"].toObject(), best["inputs"].toObject());
  EXPECT_EQ(shown["checks"].toObject()["class"].toString(), best["class"].toString());
}

// Nothing meets the SMPS defaults (the reset the output voltage gives is too low): a
// result, with the reason and the nearest candidates, and no file written.
TEST(CliAdvise, NothingMetIsAResultWithItsReason) {
  TempDir dir;
  const std::string file = templateFile(dir, "smps", "s.sps");
  const std::string out = (dir.path() / "none.sps").string();
  const CliRun r = runCli({"advise", file, "--turns-range", "20:60", "--json", "--apply", out});
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonObject advice = parsed(r.out);
  EXPECT_TRUE(advice["best"].isNull());
  EXPECT_TRUE(advice["reason"].toString().contains("reset voltage"));
  for (const auto& c : advice["candidates"].toArray())
    EXPECT_FALSE(c.toObject()["pass"].toBool());
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_NE(r.err.find("is not written"), std::string::npos);

  // With a reset voltage to spare the same file has a best, in text for people.
  const CliRun met = runCli({"advise", file, "--turns-range", "20:60", "--reset-volts", "5"});
  ASSERT_EQ(met.status, 0) << met.err;
  EXPECT_NE(met.out.find("\nBest: "), std::string::npos) << met.out;
}

// A rating at a burden in VA: the requirement states both, and `check` of the applied best
// finds the rating holding at that burden, as the candidate says.
TEST(CliAdvise, AppliedBestHoldsTheRatingAsCheckJudgesIt) {
  TempDir dir;
  const std::string file = templateFile(dir, "trad", "t.tct");
  const std::string out = (dir.path() / "best.tct").string();
  const CliRun r = runCli({"advise", file, "--rating", "5p10", "--burden", "0.05 VA", "--count",
                           "1", "--json", "--apply", out});
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonObject advice = parsed(r.out);
  const QJsonObject rating = advice["requirement"].toObject()["rating"].toObject();
  EXPECT_EQ(rating["name"].toString(), "5P10");
  EXPECT_EQ(rating["alf"].toDouble(), 10);
  EXPECT_EQ(rating["burden"].toObject()["form"].toString(), "VA");
  EXPECT_EQ(rating["burden"].toObject()["value"].toDouble(), 0.05);
  EXPECT_TRUE(rating["burden"].toObject()["power_factor"].isNull());
  ASSERT_EQ(advice["best"].toInt(-1), 0) << r.out;
  const QJsonObject best = advice["candidates"].toArray()[0].toObject();
  EXPECT_EQ(best["class"].toString(), "5P10");

  const QJsonObject checked = parsed(
      runCli({"check", out, "--json", "--standard", "iec", "--burden", "0.05VA", "--alf", "10"})
          .out);
  bool found = false;
  for (const auto& entry : checked["ratings"].toArray()) {
    if (entry.toObject()["rating"].toString() != "5P10") continue;
    found = true;
    EXPECT_TRUE(entry.toObject()["holds"].toBool());
    EXPECT_DOUBLE_EQ(entry.toObject()["margin"].toDouble(), best["margin"].toDouble());
  }
  EXPECT_TRUE(found) << checked["ratings"].toArray().size();
}

TEST(CliAdvise, BadArgumentsNameTheOptionAndWhatItAccepts) {
  TempDir dir;
  const std::string trad = templateFile(dir, "trad", "t.tct");
  const std::string hall = templateFile(dir, "hall", "h.hef");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{trad, "--class", "0.3"}, "--class: expected one of 0.1, 0.2S"},
      {{trad, "--turns", "0"}, "--turns: expected a whole number from 1 to 32767, got '0'"},
      {{trad, "--turns-range", "50:20"}, "--turns-range: expected a whole number from 50"},
      {{trad, "--turns", "5", "--turns-range", "1:9"}, "give --turns or --turns-range"},
      {{trad, "--max-od", "-1"}, "--max-od: expected a number greater than 0, got '-1'"},
      {{trad, "--max-droop", "3"}, "--max-droop does not apply to a Traditional design"},
      {{trad, "--count", "0"}, "--count: expected a whole number from 1 to 100"},
      {{hall, "--min-hole", "0.1"}, "--min-hole does not apply to a Hall Effect design"},
      {{hall, "--turns", "11"}, "--turns: a Hall Effect design takes 1 to 10 primary turns"},
      {{hall, "--turns-range", "1:20"}, "--turns-range: a Hall Effect design takes 1 to 10"},
      {{trad, "--rating", "5P7"}, "--rating: expected an IEC measuring class (0.5), an IEC protec"},
      {{trad, "--rating", "PX"}, "--rating PX: give --kx K or --knee-volts V"},
      {{trad, "--rating", "PX", "--knee-volts", "0"}, "--knee-volts: expected a number greater"},
      {{trad, "--kx", "1.5"}, "--kx applies to --rating PX only"},
      {{trad, "--rating", "C200", "--burden", "2VA"}, "--burden: the rating C200 names its own"},
      {{trad, "--rating", "0.3"}, "--rating 0.3: an IEEE metering class needs its standard burden"},
      {{trad, "--rating", "0.3", "--burden", "B-2"}, "--burden: the IEEE metering class 0.3 takes"},
      {{trad, "--burden", "3VAR"}, "--burden: expected ohms (5ohm), VA at a power factor"},
      {{trad, "--rating", "5P10", "--class", "1"}, "give --class or --rating, not both"},
      {{hall, "--rating", "5P10"}, "--rating does not apply to a Hall Effect design"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"advise"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = runCli(args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
}  // namespace windara::testing
