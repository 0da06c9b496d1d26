#include <gtest/gtest.h>

#include "designs/hall/validate_hall.h"
#include "hall_support.h"

namespace windara::testing {
namespace {

const std::string kVoutNumeric =
    "Sensor output field requires a numeric entry.\r\rPlease enter a value for sensor output.";
const std::string kVoutPositive =
    "Sensor output field requires a numeric entry greater than zero.\r\rPlease enter a value for "
    "sensor output.";
const std::string kSensitivity =
    "Sensitivity field requires a numeric entry greater than zero.\r\rPlease enter a new value for "
    "sensitivity.";
const std::string kCurrent =
    "Current field requires a numeric entry greater than zero.\r\rPlease enter a new value for the "
    "primary current.";
const std::string kTurns =
    "Primary turns field requires a numeric entry greater than zero.\r\rPlease enter a value for "
    "primary turns.";
const std::string kTurnsRounding =
    "Primary turns field requires an entry that rounds to a whole number from 1 to 32767.\r\r"
    "Please enter a value for primary turns.";
const std::string kConductorNumeric =
    "Conductor size field requires a numeric entry greater than zero.\r\rPlease enter a value for "
    "conductor size.";
const std::string kConductorPositive =
    "Conductor Size field requires a numeric entry greater than zero.\r\rPlease enter a value for "
    "conductor size.";
const std::string kThickness =
    "Sensor thickness field requires a numeric entry greater than zero.\r\rPlease enter a value "
    "for sensor thickness.";

struct Prompt {
  std::string text;
  std::string defaultText;
};

struct ValidationCase {
  const char* name;
  HallInputs inputs;
  std::vector<std::string> answers;
  std::vector<Prompt> prompts;
  std::vector<std::string> after;  // the six boxes once validation returns
};

HallInputs with(void (*edit)(HallInputs&)) {
  HallInputs in;
  edit(in);
  return in;
}

const std::vector<std::string> kGood = {"2", "10", "100", "0.1", "1", "0.5"};

std::vector<std::string> goodWith(std::size_t index, std::string text) {
  auto v = kGood;
  v[index] = std::move(text);
  return v;
}

class HallValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(HallValidation, AsksInOrderAndWritesTheAnswers) {
  const ValidationCase& c = GetParam();
  HallRig rig;
  rig.inputs(c.inputs);
  rig.h.answer(c.answers);
  ValidateHall(rig.h.session);

  ASSERT_EQ(rig.h.events().size(), c.prompts.size());
  for (std::size_t i = 0; i < c.prompts.size(); ++i) {
    const DialogEvent& e = rig.h.events()[i];
    EXPECT_EQ(e.kind, DialogEvent::Kind::Input) << i;
    EXPECT_EQ(e.title, "Invalid Entry") << i;
    EXPECT_EQ(e.text, c.prompts[i].text) << i;
    EXPECT_EQ(e.defaultText, c.prompts[i].defaultText) << i;
  }
  EXPECT_EQ(rig.inputTexts(), c.after);
  EXPECT_EQ(rig.h.dialogs.answersLeft(), 0u);
}

const ValidationCase kCases[] = {
    {"GoodInputsAskNothing", {}, {}, {}, kGood},
    {"VoutText",
     with([](HallInputs& in) { in.vout = "abc"; }),
     {"3"},
     {{kVoutNumeric, "2"}},
     goodWith(0, "3")},
    {"VoutZeroThenNegative",
     with([](HallInputs& in) { in.vout = "0"; }),
     {"-3", "2"},
     {{kVoutPositive, "2"}, {kVoutPositive, "2"}},
     goodWith(0, "2")},
    {"VoutTextAnsweredWithZero",
     with([](HallInputs& in) { in.vout = "abc"; }),
     {"0", "5"},
     {{kVoutNumeric, "2"}, {kVoutPositive, "2"}},
     goodWith(0, "5")},
    {"NonNumericAnswerToPositiveCheckKeepsItsPrompt",
     with([](HallInputs& in) { in.vout = "-3"; }),
     {"abc", "", "4"},
     {{kVoutPositive, "2"}, {kVoutPositive, "2"}, {kVoutPositive, "2"}},
     goodWith(0, "4")},
    {"CancelAtNumericPromptAsksAgain",
     with([](HallInputs& in) { in.vout = "abc"; }),
     {"", "", "2"},
     {{kVoutNumeric, "2"}, {kVoutNumeric, "2"}, {kVoutNumeric, "2"}},
     goodWith(0, "2")},
    {"SensitivityTextAndZeroSharePrompt",
     with([](HallInputs& in) { in.sensitivity = "abc"; }),
     {"0", "7"},
     {{kSensitivity, "10"}, {kSensitivity, "10"}},
     goodWith(1, "7")},
    {"CurrentEmpty",
     with([](HallInputs& in) { in.current = ""; }),
     {"50"},
     {{kCurrent, "100"}},
     goodWith(2, "50")},
    {"ConductorTextThenZero",
     with([](HallInputs& in) { in.conductor = "x"; }),
     {"0", "0.2"},
     {{kConductorNumeric, "0.100"}, {kConductorPositive, "0.100"}},
     goodWith(3, "0.2")},
    {"ThicknessZero",
     with([](HallInputs& in) { in.thickness = "0"; }),
     {".5"},
     {{kThickness, ".5"}},
     goodWith(5, ".5")},
    {"TurnsRoundingToNoneRefused",
     with([](HallInputs& in) { in.turns = "0.4"; }),
     {"0.5", "0.51"},
     {{kTurnsRounding, "1"}, {kTurnsRounding, "1"}},
     goodWith(4, "0.51")},
    {"TurnsZeroThenFractionThenText",
     with([](HallInputs& in) { in.turns = "0"; }),
     {"0.3", "two", "2"},
     {{kTurns, "1"}, {kTurnsRounding, "1"}, {kTurns, "1"}},
     goodWith(4, "2")},
    {"TurnsBeyondSixteenBitsRefused",
     with([](HallInputs& in) { in.turns = "32767.5"; }),
     {"40000", "32767.4"},
     {{kTurnsRounding, "1"}, {kTurnsRounding, "1"}},
     goodWith(4, "32767.4")},
    // Turns far beyond single precision are still "more than the count holds".
    {"TurnsBeyondSingleAskedAsBeyondTheCount",
     with([](HallInputs& in) { in.turns = "1e39"; }),
     {"-1", "1e300", "3"},
     {{kTurnsRounding, "1"}, {kTurns, "1"}, {kTurnsRounding, "1"}},
     goodWith(4, "3")},
    {"CurrentTooSmallForSingle",
     with([](HallInputs& in) { in.current = "1e-39"; }),
     {"100"},
     {{"This entry is too large or too small for the calculation, which holds numbers from "
       "about 1.2E-38 to 3.4E+38 in size.\r\rPlease enter a new value for the primary current.",
       "100"}},
     kGood},
    {"TurnsHalfRoundingUpAccepted",
     with([](HallInputs& in) { in.turns = "1.5"; }),
     {},
     {},
     goodWith(4, "1.5")},
    {"BoxesSettledInOrder",
     with([](HallInputs& in) {
       in.thickness = "x";
       in.current = "0";
       in.vout = "abc";
       in.turns = "";
     }),
     {"2", "100", "1", "0.5"},
     {{kVoutNumeric, "2"}, {kCurrent, "100"}, {kTurns, "1"}, {kThickness, ".5"}},
     kGood},
};

INSTANTIATE_TEST_SUITE_P(Cases, HallValidation, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HallValidationLocale, CommaLocaleReadsAndOffersCommaNumbers) {
  HallRig rig(NumberLocale::comma());
  HallInputs in;
  in.conductor = "x";
  in.thickness = "0,5";
  in.vout = "1,5";
  rig.inputs(in);
  rig.h.answer({"0,1"});
  ValidateHall(rig.h.session);
  ASSERT_EQ(rig.h.events().size(), 1u);
  EXPECT_EQ(rig.h.events()[0].text, kConductorNumeric);
  EXPECT_EQ(rig.h.events()[0].defaultText, "0,100");
  EXPECT_EQ(rig.h.form().txtCurDens.text, "0,1");
}

TEST(HallValidationLocale, PeriodIsNoDecimalInCommaLocale) {
  HallRig rig(NumberLocale::comma());
  HallInputs in;
  in.vout = "2,5";
  in.turns = "0,4";
  in.conductor = "0.1";
  in.thickness = "0,5";
  rig.inputs(in);
  rig.h.answer({"3", "0,1"});
  ValidateHall(rig.h.session);
  ASSERT_EQ(rig.h.events().size(), 2u);
  EXPECT_EQ(rig.h.events()[0].text, kTurnsRounding);
  EXPECT_EQ(rig.h.events()[1].text, kConductorNumeric);
  EXPECT_EQ(rig.inputTexts(), (std::vector<std::string>{"2,5", "10", "100", "0,1", "3", "0,5"}));
}

}  // namespace
}  // namespace windara::testing
