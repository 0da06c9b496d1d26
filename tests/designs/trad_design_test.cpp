#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designs/trad/winding.h"
#include "trad_fixture.h"

namespace windara::testing {
namespace {

// A core whose winding takes the 100 turns of gauge 33 in one layer.
std::string core(const std::string& stem, const std::string& area, const std::string& window,
                 const std::string& fourMil = "\"Y\"") {
  return "\"" + stem + "\",0.5,1,0.25," + area + ",6," + fourMil + ",0.5,1,0.25," + window;
}

// The Traditional defaults with Bmax 15000: Areq = 0.12512512 sq cm,
// Wreq = 0.19609767 sq cm (single precision).
constexpr const char* kAreq = "0.12512512505054474";
constexpr const char* kWreq = "0.19609767198562622";

TEST_F(TradDesign, WritesEveryResultInBothLocales) {
  struct {
    NumberLocale locale;
    std::vector<std::string> want;
  } const cases[] = {
      {NumberLocale::period(),
       {"14.91%", "33", "TW-7-2S", "32.056", "0.482", "TW-7-2S", "0.500", "1.000", "0.250", "",
        "0.200", "6.00"}},
      {NumberLocale::comma(),
       {"14,91%", "33", "TW-7-2S", "32,056", "0,482", "TW-7-2S", "0,500", "1,000", "0,250", "",
        "0,200", "6,00"}},
  };
  for (const auto& c : cases) {
    start(tapeTable({core("TW-7", "0.2", "1")}), c.locale);
    form().txtAL.text = "";
    calculate();
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(outputs(), c.want);
  }
}

TEST_F(TradDesign, InputsAreReadInTheUserLocale) {
  start(tapeTable({core("TW-7", "2", "1")}), NumberLocale::comma());
  // Half the burden at half the current in a twentieth of the turns ratio...
  inputs({"2,5", "60,0", "0,5", "400", "5", "15000"});
  calculate();
  EXPECT_TRUE(events().empty());
  // ... gives Is = 0.1 A and Vs = 0.25 V: gauge 33 again, 5 turns.
  EXPECT_EQ(form().txtWireSize.text, "33");
  EXPECT_EQ(form().txtCore.text, "TW-7-2S");
}

TEST_F(TradDesign, SearchKeysAreStrictAndTheAreaRecordKeepsAnEqualWindow) {
  struct {
    const char* name;
    std::vector<std::string> records;
    const char* want;
  } const cases[] = {
      {"area just below, just above", {core("A", "0.1251", "1"), core("B", "0.1252", "1")}, "B-2S"},
      {"area equal is passed over", {core("A", kAreq, "1"), core("B", "0.1252", "1")}, "B-2S"},
      {"window equal stays", {core("A", "0.13", kWreq), core("B", "0.14", "1")}, "A-2S"},
      {"window just below", {core("A", "0.13", "0.1960"), core("B", "0.14", "0.1962")}, "B-2S"},
      {"later window must exceed",
       {core("A", "0.13", "0.1"), core("B", "0.14", kWreq), core("C", "0.15", "0.3")},
       "C-2S"},
      {"text key skipped",
       {"\"A\",0.5,1,0.25,\"big\",6,\"Y\",0.5,1,0.25,1", core("B", "0.2", "1")},
       "B-2S"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    start(tapeTable(c.records));
    calculate();
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(form().txtCore.text, c.want);
  }
}

TEST_F(TradDesign, ThicknessScalesTheAreaTheSearchNeeds) {
  // Bmax 5000 needs 0.37537538 sq cm; 1 mil needs that / 0.88 = 0.42656, 4 mil / 1.06 = 0.35413.
  struct {
    OptionButton Form::*alloy;
    OptionButton Form::*thickness;
    std::vector<std::string> records;
    const char* part;
    const char* area;
  } const cases[] = {
      {&Form::optPperm,
       &Form::opt2mil,
       {core("A", "0.3753", "1"), core("B", "0.3754", "1")},
       "B-2S",
       "0.375"},
      {&Form::optRperm,
       &Form::opt1mil,
       {core("A", "0.4265", "1"), core("B", "0.4266", "1")},
       "B-1P",
       "0.375"},
      {&Form::optQperm,
       &Form::opt4mil,
       {core("A", "0.3541", "1"), core("B", "0.3542", "1")},
       "B-4T",
       "0.375"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    start(tapeTable(c.records));
    choose(form().*c.alloy);
    choose(form().*c.thickness);
    form().txtDutyCyc.text = "5000";
    calculate();
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(form().txtCore.text, c.part);
    EXPECT_EQ(form().txtAe.text, c.area);
  }
}

TEST_F(TradDesign, EachAlloyAndThicknessHasItsLossLaw) {
  // Accuracy and total losses on a 2 sq cm core, 10 cm path, Bmax 5000.
  struct {
    OptionButton Form::*alloy;
    OptionButton Form::*thickness;
    const char* accuracy;
    const char* losses;
    const char* part;
  } const cases[] = {
      {&Form::optPperm, &Form::opt2mil, "6.24%", "23.385", "L-2S"},
      // 18.2874966 mW is first taken at 7 digits, 18.28750, then rounded.
      {&Form::optPperm, &Form::opt4mil, "1.15%", "18.288", "L-4S"},
      {&Form::optQperm, &Form::opt2mil, "0.35%", "17.496", "L-2T"},
      {&Form::optQperm, &Form::opt4mil, "0.59%", "17.732", "L-4T"},
      {&Form::optRperm, &Form::opt1mil, "0.13%", "17.274", "L-1P"},
      {&Form::optRperm, &Form::opt2mil, "0.08%", "17.224", "L-2P"},
      // No law: the copper alone.
      {&Form::optPperm, &Form::opt1mil, "0.00%", "17.142", "L-1S"},
      {&Form::optRperm, &Form::opt4mil, "0.00%", "17.142", "L-4P"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    start(tapeTable({"\"L\",0.5,1,0.25,2,10,\"Y\",0.5,1,0.25,1"}));
    choose(form().*c.alloy);
    choose(form().*c.thickness);
    form().txtDutyCyc.text = "5000";
    calculate();
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(form().txtRequiredL.text, c.accuracy);
    EXPECT_EQ(form().txtActualL.text, c.losses);
    EXPECT_EQ(form().txtCore.text, c.part);
  }
}

TEST_F(TradDesign, GaugeIsClampedToTheWireTable) {
  start(tapeTable({core("BIG", "60", "20")}));
  // Is = 40 A: the gauge expression gives 7.18.
  inputs({"5", "60", "4000", "400", "100", "15000"});
  calculate();
  EXPECT_EQ(events(), std::vector<DialogEvent>{wireMessage("1209")});
  EXPECT_EQ(form().txtWireSize.text, "12");
  EXPECT_EQ(form().txtCore.text, "BIG-2S");

  // Is = 0.0001 A: the expression gives 62.8, gauge 42 without a word.
  start(tapeTable({core("TINY", "0.001", "1")}));
  inputs({"5", "60", "0.01", "400", "100", "15000"});
  calculate();
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(form().txtWireSize.text, "42");
  EXPECT_EQ(form().WireOhms, 1659.0f);
}

TEST_F(TradDesign, HugeSecondaryCurrentShowsItsTrueDensity) {
  // 40000 A / 100 on gauge 12 is 12091 A/sq cm; 400000 A beyond a 16-bit number.
  start(tapeTable({core("BIG", "999998", "9998")}));
  inputs({"0.001", "60", "4000000", "400", "100", "15000"});
  calculate();
  ASSERT_FALSE(events().empty());
  EXPECT_EQ(events()[0], wireMessage("1209101"));
}

TEST_F(TradDesign, EndMarkersStopWithTheirMessageAndBlankResults) {
  struct {
    const char* name;
    std::vector<std::string> records;
    DialogEvent message;
  } const cases[] = {
      {"area", {core("A", "0.1", "1")}, kAreaTooLarge},
      {"window", {core("A", "1", "0.1")}, kWindowTooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    start(tapeTable(c.records));
    // A design shown before is cleared.
    for (TextBox* b : {&form().txtRequiredL, &form().txtID, &form().txtAL, &form().txtResID}) {
      b->text = "old";
    }
    calculate();
    EXPECT_EQ(events(), std::vector<DialogEvent>{c.message});
    EXPECT_EQ(outputs(), kNoDesign);
  }
}

TEST_F(TradDesign, FourMilNotMadeFallsBackToTwoMilOnTheSameCore) {
  // With the 4 mil factor core A is large enough; the nested 2 mil design
  // needs core B. The outer design keeps A.
  for (const char* letter : {"\"N\"", "N"}) {
    SCOPED_TRACE(letter);
    start(tapeTable({core("A", "0.12", "1", letter), core("B", "0.2", "1")}));
    choose(form().opt4mil);
    calculate();
    EXPECT_EQ(events(), std::vector<DialogEvent>{kFourMil});
    EXPECT_TRUE(form().opt2mil.selected);
    EXPECT_FALSE(form().opt4mil.selected);
    EXPECT_EQ(form().txtCore.text, "A-2S");
    EXPECT_EQ(form().txtPartNum.text, "A-2S");
    EXPECT_EQ(form().txtAe.text, "0.120");
    // Core A's losses under the 2 mil law (the 4 mil law gives 12.50%, core B 14.91%).
    EXPECT_EQ(form().txtRequiredL.text, "20.26%");
    EXPECT_EQ(form().txtActualL.text, "37.405");
  }
}

TEST_F(TradDesign, FourMilMessageFollowsTheNestedDesignsMessages) {
  start(tapeTable({core("A", "47.5", "20", "\"N\""), core("B", "60", "20")}));
  choose(form().opt4mil);
  inputs({"5", "60", "4000", "400", "100", "15000"});
  calculate();
  const std::vector<DialogEvent> want = {wireMessage("1209"), wireMessage("1209"), kFourMil};
  EXPECT_EQ(events(), want);
  EXPECT_EQ(form().txtCore.text, "A-2S");
}

TEST_F(TradDesign, FourMilIsKeptWhereItIsMade) {
  for (const char* letter : {"\"Y\"", "\"n\"", "\"N \"", "\"\""}) {
    SCOPED_TRACE(letter);
    start(tapeTable({core("A", "0.2", "1", letter)}));
    choose(form().opt4mil);
    calculate();
    EXPECT_TRUE(events().empty());
    EXPECT_TRUE(form().opt4mil.selected);
    EXPECT_EQ(form().txtCore.text, "A-4S");
  }
}

TEST(Winding, LayersFillUntilTheTurnsArePlacedOrTheHoleIsFull) {
  struct {
    const char* name;
    double id, od, height;
    float wire;
    std::int32_t turns;
    float length;
    double residual;
  } const cases[] = {
      // 175 fit on the first layer.
      {"one layer", 0.5, 1.0, 0.25, 0.0088f, 100, 100.0f, 0.5 - 2.0 * double{0.0088f}},
      {"exactly a full layer", 0.5, 1.0, 0.25, 0.0088f, 175, 175.0f, 0.5 - 2.0 * double{0.0088f}},
      // 175 turns of 1 in, then 1 turn around a core grown by two wire diameters.
      {"second layer", 0.5, 1.0, 0.25, 0.0088f, 176, 175.0f + 1.0f + 8.0f * 0.0088f,
       0.5 - 4.0 * double{0.0088f}},
      {"no turns", 0.5, 1.0, 0.25, 0.0088f, 0, 0.0f, 0.5},
      {"hole smaller than the wire", 0.005, 1.0, 0.25, 0.0088f, 100, 0.0f, 0.005},
      // 14, 8 and 2 turns, then the hole is gone: it is shown as it is.
      {"hole fills up", 0.05, 0.1, 0.05, 0.0088f, 100,
       14 * 0.15f + 8 * (0.15f + 8 * 0.0088f) + 2 * (0.15f + 16 * 0.0088f),
       0.05 - 6.0 * double{0.0088f}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Winding w = windLayers(c.id, c.od, c.height, c.wire, c.turns);
    EXPECT_NEAR(w.length, c.length, 1e-4);
    EXPECT_NEAR(w.insideDiameter, c.residual, 1e-9);
  }
}

TEST_F(TradDesign, WindingThatDoesNotFitShowsTheHoleReached) {
  start(tapeTable({"\"S\",0.1,0.2,0.05,0.2,6,\"Y\",0.05,0.1,0.05,1"}));
  calculate();
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(form().txtResID.text, "-0.003");
}

TEST_F(TradDesign, ShippedCatalogueGivesQuietDesignsAtTheDefaults) {
  // Switching to Traditional writes Bmax 5000 and calculates.
  start(std::nullopt);
  choose(form().optSMPS);
  form().select(form().optTradCT);
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(form().txtCore.text, "TW-1022-2S");
  EXPECT_EQ(form().txtWireSize.text, "33");

  form().txtDutyCyc.text = "15000";
  calculate();
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(form().txtCore.text, "TW-1013-2S");
}

TEST_F(TradDesign, RatioBeyondSixteenBitsIsStillWound) {
  // 40000 turns of gauge 42 need 10.4 sq cm of window but more layers than a
  // 0.5 in hole holds: the hole is shown used up, not left as it was.
  start(tapeTable({core("R", "0.2", "20")}));
  inputs({"5", "60", "10", "400", "40000", "15000"});
  calculate();
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(form().txtWireSize.text, "42");
  EXPECT_LT(std::stod(form().txtResID.text), 0.0032);
}

TEST_F(TradDesign, BmaxTooLowForEveryCoreStopsAtTheEndMarker) {
  start(std::nullopt);
  form().txtDutyCyc.text = "1";
  calculate();
  EXPECT_EQ(events(), std::vector<DialogEvent>{kAreaTooLarge});
  EXPECT_EQ(outputs(), kNoDesign);
}

}  // namespace
}  // namespace windara::testing
