#include <gtest/gtest.h>

#include "hall_support.h"

namespace windara::testing {
namespace {

const std::string kCoreTooLarge =
    "Required core is too large.\rTry reducing conductor size, Hall Sensor thickness, or primary "
    "current.";
const std::string kFluxOvimax =
    "Required flux density is too high for OVX material.\rTry changing to Zendra material, or "
    "selecting a Hall Sensor with lower Vout.";
const std::string kFluxZendra =
    "Required flux density is too high for Zendra material.\rTry selecting a Hall Sensor with "
    "lower Vout.";
const std::string kFluxFerrite =
    "Required flux density is too high for ferrite material.\rTry changing to Zendra or OVX "
    "material, or selecting a Hall Sensor with lower Vout.";

const std::vector<std::string> kBigDesign = {"0.231", "8.0",   "BIG",   "0.50",  "BIG",
                                             "1.000", "2.000", "0.500", "1.234", "5.00"};

// The floor for a 0.5 mm sensor, as the design holds it.
float floorGap() {
  const float t = static_cast<float>(0.5 / 25.4);
  return static_cast<float>(static_cast<double>(t) + 0.005);
}

TEST(HallDesign, DefaultsGiveTheSameDesignInEveryMaterial) {
  for (int m = 0; m < 3; ++m) {
    HallRig rig;
    rig.table(hallTableText({HallCore{}}));
    rig.inputs({});
    rig.material(m);
    rig.h.form().txtAL.text = "kept";
    rig.run();
    EXPECT_TRUE(rig.h.events().empty()) << m;
    EXPECT_EQ(rig.outputs(), kBigDesign) << m;
    EXPECT_EQ(rig.h.form().txtAL.text, "kept") << m;
  }
}

TEST(HallDesign, CommaLocaleReadsAndWritesCommas) {
  HallRig rig(NumberLocale::comma());
  rig.table(hallTableText({HallCore{}}));
  HallInputs in;
  in.conductor = "0,100";
  in.thickness = "0,5";
  rig.inputs(in);
  rig.run();
  EXPECT_TRUE(rig.h.events().empty());
  EXPECT_EQ(rig.outputs(), (std::vector<std::string>{"0,231", "8,0", "BIG", "0,50", "BIG", "1,000",
                                                     "2,000", "0,500", "1,234", "5,00"}));
}

struct GapCase {
  const char* name;
  HallInputs inputs;
  std::string gap, mue, range;
};

class HallGap : public ::testing::TestWithParam<GapCase> {};

TEST_P(HallGap, GapPermeabilityAndRange) {
  const GapCase& c = GetParam();
  HallRig rig;
  // Roomy enough for every gap below.
  HallCore roomy;
  roomy.od = 6.0;
  roomy.ht = 2.0;
  roomy.limit = 2.0;
  rig.table(hallTableText({roomy}));
  rig.inputs(c.inputs);
  rig.run();
  EXPECT_TRUE(rig.h.events().empty());
  const auto out = rig.outputs();
  EXPECT_EQ(out[0], c.gap);
  EXPECT_EQ(out[1], c.mue);
  EXPECT_EQ(out[3], c.range);
}

HallInputs flux(std::string vout, std::string sensitivity) {
  HallInputs in;
  in.vout = std::move(vout);
  in.sensitivity = std::move(sensitivity);
  return in;
}

HallInputs turns(std::string n) {
  HallInputs in;
  in.turns = std::move(n);
  return in;
}

HallInputs thick(std::string mm) {
  HallInputs in = flux("2", "1");
  in.thickness = std::move(mm);
  return in;
}

const GapCase kGapCases[] = {
    {"Defaults", {}, "0.231", "8.0", "0.50"},
    // 0.009 in computed, below the 0.5 mm sensor: the floor, mue unchanged.
    {"FloorKeepsPermeability", flux("2", "1"), "0.025", "79.6", "0.05"},
    // mue above the material's 125: a negative computed gap.
    {"NegativeGapFloored", flux("4", "1"), "0.025", "159.2", "0.03"},
    {"ThickerSensorRaisesFloor", thick("1"), "0.044", "79.6", "0.05"},
    {"TurnsOneAndAHalfIsTwo", turns("1.5"), "0.479", "4.0", "1.00"},
    {"TurnsTwoAndAHalfIsTwo", turns("2.5"), "0.479", "4.0", "1.00"},
    {"TurnsThreeAndAHalfIsFour", turns("3.5"), "0.973", "2.0", "2.00"},
};

INSTANTIATE_TEST_SUITE_P(Cases, HallGap, ::testing::ValuesIn(kGapCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FluxCase {
  int material;
  std::string vout;
  std::string warning;  // empty: a design
};

TEST(HallDesign, FluxLimitsAreStrict) {
  const FluxCase cases[] = {
      {0, "6", ""},           {0, "6.1", kFluxOvimax},  {1, "10", ""},  {1, "10.1", kFluxZendra},
      {2, "4", ""},           {2, "4.1", kFluxFerrite}, {1, "6.1", ""}, {2, "6", kFluxFerrite},
      {0, "10", kFluxOvimax},
  };
  for (const FluxCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.material) + " " + c.vout);
    HallRig rig;
    rig.table(hallTableText({HallCore{}}));
    rig.inputs(flux(c.vout, "1"));
    rig.material(c.material);
    rig.h.form().txtAL.text = "kept";
    rig.run();
    if (c.warning.empty()) {
      EXPECT_TRUE(rig.h.events().empty());
      EXPECT_EQ(rig.outputs()[2], "BIG");
      EXPECT_EQ(rig.h.form().txtAL.text, "kept");
    } else {
      EXPECT_EQ(rig.h.events(),
                std::vector<DialogEvent>{hallMessage(c.warning, "Bmax Too High", Icon::None)});
      EXPECT_EQ(rig.outputs(), kHallNoDesign);
      EXPECT_EQ(rig.h.form().txtAL.text, "");
    }
  }
}

TEST(HallDesign, CoreWarningWinsOverFluxAndLeavesInputs) {
  HallRig rig;
  rig.table(hallTableText({HallCore{}}));
  HallInputs in = flux("7", "1");
  in.conductor = "5";
  rig.inputs(in);
  rig.h.form().txtAL.text = "12";
  rig.run();
  EXPECT_EQ(rig.h.events(), std::vector<DialogEvent>{hallMessage(
                                kCoreTooLarge, "Required Core Too Large", Icon::Critical)});
  EXPECT_EQ(rig.outputs(), kHallNoDesign);
  EXPECT_EQ(rig.h.form().txtAL.text, "");
  EXPECT_EQ(rig.inputTexts(), (std::vector<std::string>{"7", "1", "100", "5", "1", "0.5"}));
}

TEST(HallDesign, AStackTooWideToHoldIsTooWideForEveryCore) {
  HallRig rig;
  HallCore huge;  // takes any gap these inputs need
  huge.id = 20;
  huge.od = 60;
  huge.ht = 30;
  huge.limit = 10;
  rig.table(hallTableText({huge}));
  HallInputs in;
  in.turns = "10";
  in.conductor = "1e38";  // turns x size is beyond the range of a single
  rig.inputs(in);
  rig.run();
  EXPECT_EQ(rig.h.events(), std::vector<DialogEvent>{hallMessage(
                                kCoreTooLarge, "Required Core Too Large", Icon::Critical)});
  EXPECT_EQ(rig.outputs(), kHallNoDesign);
}

TEST(HallDesign, RequirementBeyondTheClosingMarkStopsAtTheGroupEnd) {
  for (int m = 0; m < 3; ++m) {
    HallRig rig;
    rig.table(hallTableText({HallCore{}}));
    HallInputs in;
    in.turns = "1000";
    in.conductor = "1";
    rig.inputs(in);
    rig.material(m);
    rig.run();
    EXPECT_EQ(rig.h.events(), std::vector<DialogEvent>{hallMessage(
                                  kCoreTooLarge, "Required Core Too Large", Icon::Critical)})
        << m;
    EXPECT_EQ(rig.outputs(), kHallNoDesign) << m;
  }
}

HallCore named(std::string part, double limit, double path = 5.0, double mu = 125.0) {
  HallCore c;
  c.part = std::move(part);
  c.limit = limit;
  c.path = path;
  c.mu = mu;
  return c;
}

struct SearchCase {
  const char* name;
  std::vector<HallCore> cores;
  HallInputs inputs;
  std::string chosen;
};

class HallSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(HallSearch, ChoosesTheFirstCoreThatTakesConductorsAndGap) {
  const SearchCase& c = GetParam();
  HallRig rig;
  rig.table(hallTableText(c.cores));
  rig.inputs(c.inputs);
  for (int m = 0; m < 3; ++m) {
    rig.material(m);
    rig.run();
    EXPECT_TRUE(rig.h.events().empty()) << m;
    EXPECT_EQ(rig.outputs()[2], c.chosen) << m;
    EXPECT_EQ(rig.outputs()[4], c.chosen) << m;
  }
}

HallInputs conductor(std::string d) {
  HallInputs in;
  in.conductor = std::move(d);
  return in;
}

HallInputs floored(std::string d) {
  HallInputs in = flux("2", "1");
  in.conductor = std::move(d);
  return in;
}

// Cores whose wall or height are exactly twice the floored gap, or a hair less.
HallCore walled(std::string part, double wallShort, double heightShort) {
  const double twice = 2.0 * static_cast<double>(floorGap());
  HallCore c = named(std::move(part), 0.4);
  c.id = 0.5;
  c.od = 0.5 + 2.0 * twice - wallShort;
  c.ht = twice - heightShort;
  return c;
}

HallCore limited(std::string part, double below) {
  return named(std::move(part), static_cast<double>(floorGap()) - below);
}

const SearchCase kSearchCases[] = {
    {"ConductorsEqualToLimit", {named("A", 0.25), named("B", 0.3)}, conductor("0.25"), "A"},
    {"ConductorsAboveLimit", {named("A", 0.2499), named("B", 0.3)}, conductor("0.25"), "B"},
    {"StackOfTurnsCounts",
     {named("A", 0.2), named("B", 0.35)},
     [] {
       HallInputs in = conductor("0.125");
       in.turns = "2";
       in.vout = "4";  // keeps the gap of two turns within B
       return in;
     }(),
     "B"},
    {"GapEqualToLimit", {limited("A", 0.0), named("B", 0.4)}, floored("0.01"), "A"},
    {"GapAboveLimit", {limited("A", 1e-7), named("B", 0.4)}, floored("0.01"), "B"},
    // The gap A cannot take becomes the requirement; the next row holding
    // exactly that is found, and takes the same gap.
    {"RaisedRequirementEqualToNextLimit",
     {limited("A", 1e-7), limited("B", 0.0), named("C", 0.4)},
     floored("0.01"),
     "B"},
    // A's gap (0.231) is beyond its limit: the search goes on for a core that
    // takes that gap, past B although B alone would take its own.
    {"GapRaisesRequirement",
     {named("A", 0.2), named("B", 0.21, 6.0, 60.0), named("C", 0.4)},
     conductor("0.1"),
     "C"},
    // A's wall is too thin: the next row is tried with the conductors' width
    // only, and B takes its own gap.
    {"ThinWallMovesOneRow",
     {[] {
        HallCore a = named("A", 0.4);
        a.od = 1.4;
        return a;
      }(),
      named("B", 0.21, 6.0, 60.0), named("C", 0.4)},
     conductor("0.1"),
     "B"},
    {"WallAndHeightExactlyTwiceGap", {walled("A", 0, 0), named("B", 0.4)}, floored("0.01"), "A"},
    {"WallShort", {walled("A", 1e-9, 0), named("B", 0.4)}, floored("0.01"), "B"},
    {"HeightShort", {walled("A", 0, 1e-9), named("B", 0.4)}, floored("0.01"), "B"},
};

INSTANTIATE_TEST_SUITE_P(Cases, HallSearch, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A value that cannot be computed or formatted leaves its box empty rather
// than showing what the previous design left there.
TEST(HallDesign, OutputsThatCannotBeComputedAreEmptied) {
  HallRig rig;
  rig.table(hallTableText({HallCore{}}));
  rig.inputs({});
  rig.run();
  ASSERT_EQ(rig.outputs(), kBigDesign);

  rig.table(hallGroupsText({{"\"BIG\",1,2,0.5,n/a,5,125,0.4,0,0,0,0\r\n"}, {}, {}}));
  rig.inputs({});
  rig.run();
  EXPECT_TRUE(rig.h.events().empty());
  EXPECT_EQ(rig.outputs(), (std::vector<std::string>{"0.231", "8.0", "BIG", "0.50", "BIG", "1.000",
                                                     "2.000", "0.500", "", "5.00"}));
}

TEST(HallDesign, EachMaterialSearchesItsOwnGroup) {
  HallRig rig;
  rig.table(hallGroupsText(
      {{named("P1", 0.05).line(), named("P2", 0.4).line()},
       {named("Q1", 0.4).line()},
       {named("R1", 0.05).line(), named("R2", 0.06).line(), named("R3", 0.5).line()}}));
  rig.inputs({});
  const char* expected[] = {"P2", "Q1", "R3"};
  for (int m = 0; m < 3; ++m) {
    rig.material(m);
    rig.run();
    EXPECT_EQ(rig.outputs()[2], expected[m]);
  }
  EXPECT_TRUE(rig.h.events().empty());
}

}  // namespace
}  // namespace windara::testing
