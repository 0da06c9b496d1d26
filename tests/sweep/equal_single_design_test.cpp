// Every point of a sweep gives exactly what opening the design with the
// point's values typed into its file and pressing Calculate gives.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <stdexcept>

#include "support/support.h"
#include "sweep/single_design.h"
#include "sweep/sweep_runner.h"

namespace windara {
namespace {

using testing::DesignSpec;
using testing::SingleDesign;

struct Case {
  const char* what;
  DesignSpec design;
  std::vector<const char*> vary;
  NumberLocale locale = NumberLocale::period();
};

// Where each box sits in the design file.
std::size_t fileIndex(const NamedBox& box) {
  for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k)
    if (kDesignFileBoxes[k] == box.box) return k;
  throw std::logic_error("no such box");
}

// The same checks: the same class, the same reason for none, and figures equal to
// the last bit (none on both sides where there is none).
void expectSameChecks(const std::optional<PointChecks>& point,
                      const std::optional<PointChecks>& single) {
  ASSERT_EQ(point.has_value(), single.has_value());
  if (!point) return;
  EXPECT_EQ(point->className, single->className);
  EXPECT_EQ(point->unavailable, single->unavailable);
  ASSERT_EQ(point->figures.size(), single->figures.size());
  for (std::size_t k = 0; k < point->figures.size(); ++k) {
    const double a = point->figures[k], b = single->figures[k];
    if (std::isnan(a) || std::isnan(b)) {
      EXPECT_TRUE(std::isnan(a) && std::isnan(b)) << "figure " << k << ": " << a << ", " << b;
    } else {
      EXPECT_EQ(a, b) << "figure " << k;
    }
  }
}

// Runs every point of the case and compares it with the single design.
// Returns how many points found a core, were invalid, and showed each title.
struct Tally {
  int found = 0, invalid = 0, points = 0;
  std::map<std::string, int> titles;
  std::set<std::string> cores;
};

Tally sweepAndCompare(const Case& c) {
  std::vector<SweepAxis> axes;
  for (const char* spec : c.vary)
    axes.push_back(parseSweepAxis(spec, c.locale));
  const SweepGrid grid(axes, c.locale);
  std::optional<DesignFileContents> contents;
  {
    testing::TempDir dir;
    FileOutcome outcome;
    contents = readDesignFile(dir.write("d", c.design.fileText()), outcome);
  }
  SweepRunner runner(testing::dataDir(), c.locale, *contents, readCoreTables(testing::dataDir()),
                     std::make_shared<const MaterialsRead>(readMaterials(testing::dataDir())));
  Tally tally;
  SweepPoint point;
  for (std::int64_t i = 0; i < grid.size(); ++i) {
    const std::vector<BoxValue> values = grid.point(i);
    runner.run(values, point);

    DesignSpec typed = c.design;
    std::vector<std::pair<std::string, std::string>> boxTexts;
    for (const BoxValue& v : values) {
      typed.texts[fileIndex(v.box)] = v.text;
      boxTexts.emplace_back(v.box.name, v.text);
    }
    const SingleDesign single = testing::openAndCalculate(typed, c.locale, boxTexts);
    SCOPED_TRACE(std::string(c.what) + ", point " + std::to_string(i) + ": " + values[0].text);
    EXPECT_EQ(point.inputs, single.inputs);
    EXPECT_EQ(point.outputs, single.outputs);
    EXPECT_EQ(point.messages, single.titles);
    EXPECT_EQ(point.invalid, single.invalid);
    EXPECT_EQ(point.found, !single.invalid && single.outputs[2] != "N/A");
    // The point's checks take the search its calculation made; the single
    // design's search its own tables read afresh.
    expectSameChecks(point.checks, single.checks);

    ++tally.points;
    tally.found += point.found;
    tally.invalid += point.invalid.has_value();
    for (const std::string& t : point.messages)
      ++tally.titles[t];
    if (point.found) tally.cores.insert(point.outputs[2]);
  }
  return tally;
}

// Inputs in the file's order: txtVoltage, txtFrequency, txtPriCurrent,
// txtDutyCyc, txtRatio, txtCurDens.
const DesignSpec kSmps{4, {"0.8", "50", "10", "0.5", "100", "400"}, 2, 0};
const DesignSpec kSmpsR{4, {"0.8", "50", "10", "0.5", "100", "400"}, 3, 0};
const DesignSpec kTrad1mil{2, {"5", "60", "10", "5000", "100", "400"}, 3, 1};
const DesignSpec kTrad4mil{2, {"5", "60", "10", "5000", "100", "400"}, 1, 4};
const DesignSpec kHall{3, {"2", "10", "100", "0.5", "1", "0.100"}, 3, 0};

TEST(SweepEqualsSingleDesign, SmpsAcrossTurnsFromInvalidToNoCore) {
  // Ratios up to zero are refused; large ones leave no hole big enough.
  Tally t = sweepAndCompare({"SMPS ratio", kSmps, {"txtRatio=-40:4000:41"}});
  EXPECT_GT(t.invalid, 0);
  EXPECT_GT(t.found, 0);
  EXPECT_LT(t.found + t.invalid, t.points);
  EXPECT_GT(t.cores.size(), 2u);
}

TEST(SweepEqualsSingleDesign, SmpsRMaterialAcrossVoltageInDecades) {
  // The material choice calculates while opening; high voltages saturate.
  Tally t = sweepAndCompare({"SMPS R voltage", kSmpsR, {"txtVoltage=0.001:1000:25:log"}});
  EXPECT_GT(t.found, 0);
  EXPECT_GT(t.titles["Core Saturation"] + t.titles["Required L Too Large"], 0);
}

TEST(SweepEqualsSingleDesign, SmpsGridOfCurrentAndDutyCycleWithDecimalComma) {
  const Case c{"SMPS comma grid",
               {4, {"0,8", "50", "10", "0,5", "100", "400"}, 2, 0},
               {"txtPriCurrent=-5:60:7", "txtDutyCyc=0,05:1,2:6"},
               NumberLocale::comma()};
  Tally t = sweepAndCompare(c);
  EXPECT_EQ(t.points, 42);
  EXPECT_EQ(t.invalid, 6);  // every duty cycle at -5 A
  EXPECT_GT(t.found, 0);
}

TEST(SweepEqualsSingleDesign, TraditionalAcrossBurdenAndCurrent) {
  Tally t = sweepAndCompare({"Trad burden", kTrad1mil, {"txtVoltage=-1:60:32"}});
  EXPECT_GT(t.invalid, 0);
  EXPECT_GT(t.cores.size(), 2u);
  Tally u = sweepAndCompare({"Trad current", kTrad1mil, {"txtPriCurrent=0.01:5000:20:log"}});
  EXPECT_GT(u.titles["Wire Size Too Large"], 0);
}

TEST(SweepEqualsSingleDesign, TraditionalFourMilFallsBackToTwoMilAsAfterOpening) {
  // Larger burdens take cores that are not made in 4 mil tape: opening such a
  // design selects 2 mil, and Calculate then designs in 2 mil.
  Tally t = sweepAndCompare({"Trad 4 mil", kTrad4mil, {"txtVoltage=0.5:80:30"}});
  int fourMil = 0, twoMil = 0;
  for (const std::string& core : t.cores) {
    fourMil += core.find("-4") != std::string::npos;
    twoMil += core.find("-2") != std::string::npos;
  }
  EXPECT_GT(fourMil, 0);
  EXPECT_GT(twoMil, 0);
}

TEST(SweepEqualsSingleDesign, TraditionalMaterialAndThicknessBothChosenByTheFile) {
  // Halvane in 4 mil: the material's reaction selects 2 mil before the file's
  // 4 mil, which larger currents then give up for 2 mil again.
  const DesignSpec halvane4{2, {"5", "60", "10", "5000", "100", "400"}, 2, 4};
  Tally t = sweepAndCompare({"Trad T 4 mil", halvane4, {"txtPriCurrent=1:400:25:log"}});
  EXPECT_GT(t.found, 0);
  const DesignSpec tormix2{2, {"5", "60", "10", "5000", "100", "400"}, 3, 2};
  Tally u = sweepAndCompare({"Trad P 2 mil", tormix2, {"txtRatio=0:600:13"}});
  EXPECT_GT(u.invalid, 0);
  EXPECT_GT(u.found, 0);
}

TEST(SweepEqualsSingleDesign, TraditionalFluxDensityOutOfRangeIsInvalid) {
  Tally t = sweepAndCompare({"Trad Bmax", kTrad1mil, {"txtDutyCyc=0:30000:16"}});
  EXPECT_GT(t.invalid, 0);
  EXPECT_GT(t.found, 0);
}

TEST(SweepEqualsSingleDesign, HallAcrossCurrentAndSensorThickness) {
  Tally t = sweepAndCompare({"Hall current", kHall, {"txtPriCurrent=-5:300:31"}});
  EXPECT_GT(t.invalid, 0);
  EXPECT_GT(t.cores.size(), 1u);
  Tally u = sweepAndCompare({"Hall grid", kHall, {"txtDutyCyc=0.1:4:5", "txtRatio=0.4:40:6:log"}});
  EXPECT_EQ(u.points, 30);
  EXPECT_GT(u.found, 0);
}

TEST(SweepEqualsSingleDesign, FileWithoutADesignSweepsTheStartDesign) {
  Tally t = sweepAndCompare({"no design", {9, {}, 0, 0}, {"txtRatio=10:400:5"}});
  EXPECT_EQ(t.points, 5);
  EXPECT_GT(t.found, 0);
}

}  // namespace
}  // namespace windara
