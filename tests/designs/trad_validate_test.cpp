#include <gtest/gtest.h>

#include "designs/trad/validate_trad.h"
#include "trad_fixture.h"

namespace windara::testing {
namespace {

using Validate = TradDesign;

struct FieldCase {
  TextBox Form::*box;
  std::string bad;
  std::string complaint;
  std::string request;
  std::string defaultText;
};

const std::string kBurdenNumeric = "Burden Resistance field requires a numeric entry.";
const std::string kBurdenPositive =
    "Burden Resistance field requires a numeric entry greater than zero.";
const std::string kBurdenRequest = "Please enter a value for Burden Resistance.";

TEST_F(Validate, BurdenAsksNumericThenPositiveThenPasses) {
  start(std::nullopt);
  form().txtVoltage.text = "abc";
  harness().answer({"0", "5"});
  ValidateTradCT(harness().session);
  const std::vector<DialogEvent> want = {
      promptEvent(kBurdenNumeric, kBurdenRequest, "5", "0"),
      promptEvent(kBurdenPositive, kBurdenRequest, "5", "5"),
  };
  EXPECT_EQ(events(), want);
  EXPECT_EQ(form().txtVoltage.text, "5");
}

TEST_F(Validate, NumberBeyondSingleIsAskedAgainWithItsOwnComplaint) {
  start(std::nullopt);
  form().txtPriCurrent.text = "1e39";
  harness().answer({"0", "12"});
  ValidateTradCT(harness().session);
  const std::string request = "Please enter a new value for the Primary Current.";
  const std::vector<DialogEvent> want = {
      promptEvent("This entry is too large or too small for the calculation, which holds numbers "
                  "from about 1.2E-38 to 3.4E+38 in size.",
                  request, "10", "0"),
      promptEvent("Current field requires a numeric entry greater than zero.", request, "10", "12"),
  };
  EXPECT_EQ(events(), want);
  EXPECT_EQ(form().txtPriCurrent.text, "12");
}

TEST_F(Validate, TextTypedIntoPositivePromptIsAskedAgainWithSamePrompt) {
  start(std::nullopt);
  form().txtVoltage.text = "-1";
  harness().answer({"abc", "", "2"});
  ValidateTradCT(harness().session);
  const std::vector<DialogEvent> want = {
      promptEvent(kBurdenPositive, kBurdenRequest, "5", "abc"),
      promptEvent(kBurdenPositive, kBurdenRequest, "5", ""),
      promptEvent(kBurdenPositive, kBurdenRequest, "5", "2"),
  };
  EXPECT_EQ(events(), want);
  EXPECT_EQ(form().txtVoltage.text, "2");
}

TEST_F(Validate, EachElectricalFieldHasItsPromptForEmptyAndNonPositive) {
  const FieldCase cases[] = {
      {&Form::txtVoltage, "", kBurdenNumeric, kBurdenRequest, "5"},
      {&Form::txtVoltage, "0", kBurdenPositive, kBurdenRequest, "5"},
      {&Form::txtFrequency, "-60", "Frequency field requires a numeric entry greater than zero.",
       "Please enter a new value for Frequency.", "60"},
      {&Form::txtFrequency, "x", "Frequency field requires a numeric entry greater than zero.",
       "Please enter a new value for Frequency.", "60"},
      {&Form::txtPriCurrent, "0", "Current field requires a numeric entry greater than zero.",
       "Please enter a new value for the Primary Current.", "10"},
      {&Form::txtPriCurrent, "", "Current field requires a numeric entry greater than zero.",
       "Please enter a new value for the Primary Current.", "10"},
      {&Form::txtRatio, "0", "Turns Ratio field requires a numeric entry greater than zero.",
       "Please enter a value for the Turns Ratio.", "100"},
      {&Form::txtRatio, "1:100", "Turns Ratio field requires a numeric entry greater than zero.",
       "Please enter a value for the Turns Ratio.", "100"},
      {&Form::txtCurDens, "-0.1",
       "Current Density field requires a numeric entry greater than zero.",
       "Please enter a value for Current Density.", "400"},
      {&Form::txtCurDens, "4OO",
       "Current Density field requires a numeric entry greater than zero.",
       "Please enter a value for Current Density.", "400"},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.complaint + " / " + c.bad);
    start(std::nullopt);
    (form().*c.box).text = c.bad;
    harness().answer({c.defaultText});
    ValidateTradCT(harness().session);
    const std::vector<DialogEvent> want = {
        promptEvent(c.complaint, c.request, c.defaultText, c.defaultText)};
    EXPECT_EQ(events(), want);
    EXPECT_EQ((form().*c.box).text, c.defaultText);
  }
}

TEST_F(Validate, AnyRatioAboveZeroPasses) {
  start(std::nullopt);
  form().txtRatio.text = "0";
  harness().answer({"0", "0.5"});
  ValidateTradCT(harness().session);
  ASSERT_EQ(events().size(), 2u);
  EXPECT_EQ(form().txtRatio.text, "0.5");
}

TEST_F(Validate, ChecksRunInOrderAndBmaxLast) {
  start(std::nullopt);
  form().txtRatio.text = "0";
  form().txtPriCurrent.text = "";
  form().txtDutyCyc.text = "16000";
  form().txtFrequency.text = "-60";
  harness().answer({"60", "10", "100", "5000"});
  calculate();
  ASSERT_EQ(events().size(), 4u);
  EXPECT_EQ(events()[0].defaultText, "60");
  EXPECT_EQ(events()[1].defaultText, "10");
  EXPECT_EQ(events()[2].defaultText, "100");
  EXPECT_EQ(events()[3].text,
            "Vardite Bmax must be between 1G 15000G.\r\rPlease enter a new value for Bmax.");
  // The design went on with the answers.
  EXPECT_EQ(form().txtCore.text, "TW-1022-2S");
}

struct BmaxCase {
  OptionButton Form::*alloy;
  std::string bmax;
  bool asked;
  std::string sentence;
  std::string defaultText;
};

TEST_F(Validate, BmaxMustLieAboveNinetyNineHundredthsAndUpToTheAlloyLimit) {
  const std::string vardite = "Vardite Bmax must be between 1G 15000G.";
  const std::string halvane = "Halvane Bmax must be between 1G 11500G.";
  const std::string tormix = "Tormix Bmax must be between 1G and 6000G.";
  const BmaxCase cases[] = {
      {&Form::optPperm, "15000", false, vardite, "15000"},
      {&Form::optPperm, "15000.01", true, vardite, "15000"},
      {&Form::optQperm, "11500", false, halvane, "10000"},
      {&Form::optQperm, "11501", true, halvane, "10000"},
      {&Form::optRperm, "1", false, tormix, "5000"},
      {&Form::optRperm, "0.99", true, tormix, "5000"},
      {&Form::optRperm, "0.991", false, tormix, "5000"},
      {&Form::optRperm, "6000", false, tormix, "5000"},
      {&Form::optRperm, "6001", true, tormix, "5000"},
      {&Form::optQperm, "-5000", true, halvane, "10000"},
  };
  for (const BmaxCase& c : cases) {
    SCOPED_TRACE(c.sentence + " / " + c.bmax);
    start(std::nullopt);
    choose(form().*c.alloy);
    form().txtDutyCyc.text = c.bmax;
    // A text answer to the range prompt is asked for again with the same prompt.
    if (c.asked) harness().answer({"abc", c.defaultText});
    const auto alloy = CheckFluxDensity(harness().session);
    ASSERT_TRUE(alloy.has_value());
    if (c.asked) {
      const DialogEvent first =
          promptEvent(c.sentence, "Please enter a new value for Bmax.", c.defaultText, "abc");
      const DialogEvent second = promptEvent(c.sentence, "Please enter a new value for Bmax.",
                                             c.defaultText, c.defaultText);
      EXPECT_EQ(events(), (std::vector<DialogEvent>{first, second}));
      EXPECT_EQ(form().txtDutyCyc.text, c.defaultText);
    } else {
      EXPECT_TRUE(events().empty());
      EXPECT_EQ(form().txtDutyCyc.text, c.bmax);
    }
  }
}

TEST_F(Validate, NonNumericBmaxHasItsOwnPromptWithTheAlloyDefault) {
  start(std::nullopt);
  choose(form().optQperm);
  form().txtDutyCyc.text = "";
  harness().answer({"", "20000", "9000"});
  CheckFluxDensity(harness().session);
  const std::string numeric = "Bmax field requires a numeric entry.";
  const std::string request = "Please enter a value for the Flux Densiity.";
  const std::string range = "Halvane Bmax must be between 1G 11500G.";
  const std::vector<DialogEvent> want = {
      promptEvent(numeric, request, "10000", ""),
      promptEvent(numeric, request, "10000", "20000"),
      promptEvent(range, "Please enter a new value for Bmax.", "10000", "9000"),
  };
  EXPECT_EQ(events(), want);
}

TEST_F(Validate, NoAlloySelectedChecksNothing) {
  start(std::nullopt);
  for (OptionButton* b : form().group(Group::Material))
    b->selected = false;
  form().txtDutyCyc.text = "abc";
  EXPECT_FALSE(CheckFluxDensity(harness().session).has_value());
  EXPECT_TRUE(events().empty());
}

TEST_F(Validate, CommaLocaleReadsCommaDecimals) {
  start(std::nullopt, NumberLocale::comma());
  choose(form().optRperm);
  form().txtRatio.text = "0,5";
  form().txtDutyCyc.text = "0,99";
  form().txtVoltage.text = "2.5";  // a period is no decimal separator here
  harness().answer({"2,5", "1,5"});
  ValidateTradCT(harness().session);
  CheckFluxDensity(harness().session);
  ASSERT_EQ(events().size(), 2u);
  EXPECT_EQ(events()[0].text, kBurdenNumeric + "\r\r" + kBurdenRequest);
  EXPECT_EQ(events()[1].text,
            "Tormix Bmax must be between 1G and 6000G.\r\rPlease enter a new value for Bmax.");
  EXPECT_EQ(form().txtRatio.text, "0,5");
  EXPECT_EQ(form().txtDutyCyc.text, "1,5");
}

}  // namespace
}  // namespace windara::testing
