#include <gtest/gtest.h>

#include "designs/smps/validate_smps.h"
#include "smps_fixture.h"
#include "support/harness.h"

namespace windara::testing {
namespace {

using smps::setInputs;

const std::string kVoltage =
    "Voltage field requires a numeric entry.\r\rPlease enter a value for Output Voltage.";
const std::string kFrequency =
    "Frequency field requires a numeric entry greater than zero.\r\r"
    "Please enter a new value for Frequency.";
const std::string kCurrent =
    "Current field requires a numeric entry greater than zero.\r\r"
    "Please enter a new value for the Primary Current.";
const std::string kDuty =
    "Duty Cycle field requires a numeric entry.\r\rPlease enter a value for the Duty Cycle.";
const std::string kRatio =
    "Turns Ratio field requires a numeric entry greater than zero.\r\r"
    "Please enter a value for the Turns Ratio.";
const std::string kDensity =
    "Current Density field requires a numeric entry greater than zero.\r\r"
    "Please enter a value for Current Density.";

const std::string kTooLarge =
    "This entry is too large or too small for the calculation, which holds numbers from about "
    "1.2E-38 to 3.4E+38 in size.";

struct Asked {
  std::string prompt;
  std::string defaultText;
};

struct ValidationCase {
  const char* name;
  std::array<std::string, 6> inputs;  // voltage, frequency, current, density, ratio, duty
  std::vector<std::string> answers;
  std::vector<Asked> asked;
  std::array<std::string, 6> after;
};

void PrintTo(const ValidationCase& c, std::ostream* os) {
  *os << c.name;
}

class SmpsValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(SmpsValidation, AsksInOrderAndKeepsTheLastAnswer) {
  const ValidationCase& c = GetParam();
  Harness h;
  setInputs(h.form(), c.inputs);
  h.answer(c.answers);
  ValidateSMPS(h.session);

  ASSERT_EQ(h.events().size(), c.asked.size());
  for (std::size_t k = 0; k < c.asked.size(); ++k) {
    const DialogEvent& e = h.events()[k];
    EXPECT_EQ(e.kind, DialogEvent::Kind::Input) << k;
    EXPECT_EQ(e.title, "Invalid Entry") << k;
    EXPECT_EQ(e.text, c.asked[k].prompt) << k;
    EXPECT_EQ(e.defaultText, c.asked[k].defaultText) << k;
    EXPECT_EQ(e.answer, c.answers[k]) << k;
  }
  const Form& f = h.form();
  EXPECT_EQ(
      (std::array<std::string, 6>{f.txtVoltage.text, f.txtFrequency.text, f.txtPriCurrent.text,
                                  f.txtCurDens.text, f.txtRatio.text, f.txtDutyCyc.text}),
      c.after);
}

const std::array<std::string, 6> kDefaults = {"0.5", "50", "10", "400", "100", "0.5"};

std::array<std::string, 6> with(int index, std::string text) {
  auto in = kDefaults;
  in[static_cast<std::size_t>(index)] = std::move(text);
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SmpsValidation,
    ::testing::Values(
        ValidationCase{"defaults", kDefaults, {}, {}, kDefaults},
        ValidationCase{"frequency_abc_0_minus5_25",
                       with(1, "abc"),
                       {"0", "-5", "25"},
                       {{kFrequency, "50"}, {kFrequency, "50"}, {kFrequency, "50"}},
                       with(1, "25")},
        ValidationCase{"frequency_zero_skips_numeric_step",
                       with(1, "0"),
                       {"50"},
                       {{kFrequency, "50"}},
                       kDefaults},
        ValidationCase{"duty_above_one_passes", with(5, "1.7"), {}, {}, with(5, "1.7")},
        ValidationCase{"duty_negative_passes", with(5, "-0.2"), {}, {}, with(5, "-0.2")},
        ValidationCase{"duty_text_asks", with(5, "x"), {"0.3"}, {{kDuty, "0.5"}}, with(5, "0.3")},
        ValidationCase{"voltage_zero_passes", with(0, "0"), {}, {}, with(0, "0")},
        ValidationCase{"voltage_negative_passes", with(0, "-3"), {}, {}, with(0, "-3")},
        ValidationCase{"voltage_empty_asks", with(0, ""), {"1"}, {{kVoltage, "0.5"}}, with(0, "1")},
        ValidationCase{"ratio_cancel_asks_again",
                       with(4, "y"),
                       {"", "", "50"},
                       {{kRatio, "100"}, {kRatio, "100"}, {kRatio, "100"}},
                       with(4, "50")},
        ValidationCase{"ratio_value_step_text_answer_asks_again",
                       with(4, "-1"),
                       {"z", "", "0", "7"},
                       {{kRatio, "100"}, {kRatio, "100"}, {kRatio, "100"}, {kRatio, "100"}},
                       with(4, "7")},
        ValidationCase{"current_negative_then_text",
                       with(2, "-2"),
                       {"abc", "3"},
                       {{kCurrent, "10"}, {kCurrent, "10"}},
                       with(2, "3")},
        // Single precision cannot hold these: asked again, then checked from the start.
        ValidationCase{"voltage_beyond_single_then_text",
                       with(0, "1e39"),
                       {"x", "2"},
                       {{kTooLarge + "\r\rPlease enter a value for Output Voltage.", "0.5"},
                        {kVoltage, "0.5"}},
                       with(0, "2")},
        ValidationCase{"duty_too_small_for_single",
                       with(5, "-1e-40"),
                       {"0"},
                       {{kTooLarge + "\r\rPlease enter a value for the Duty Cycle.", "0.5"}},
                       with(5, "0")},
        ValidationCase{
            "density_largest_single_passes", with(3, "3.4e38"), {}, {}, with(3, "3.4e38")},
        ValidationCase{"voltage_before_density",
                       {"", "50", "10", "0", "100", "0.5"},
                       {"2", "300"},
                       {{kVoltage, "0.5"}, {kDensity, "400"}},
                       {"2", "50", "10", "300", "100", "0.5"}},
        ValidationCase{"all_six_bad_in_field_order",
                       {"v", "f", "i", "j", "n", "d"},
                       {"1", "2", "3", "4", "5", "6"},
                       {{kVoltage, "0.5"},
                        {kFrequency, "50"},
                        {kCurrent, "10"},
                        {kDuty, "0.5"},
                        {kRatio, "100"},
                        {kDensity, "400"}},
                       // Boxes are listed voltage, frequency, current, density, ratio, duty.
                       {"1", "2", "3", "6", "5", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmpsValidationLocale, CommaLocaleReadsCommasAndOffersCommaDefaults) {
  Harness h(dataDir(), NumberLocale::comma());
  setInputs(h.form(), {"0.5", "50", "10", "400", "100", "0,5"});
  h.answer({"0,25"});
  ValidateSMPS(h.session);
  // "0.5" is no number where the decimal separator is a comma.
  ASSERT_EQ(h.events().size(), 1u);
  EXPECT_EQ(h.events()[0].text, kVoltage);
  EXPECT_EQ(h.events()[0].defaultText, "0,5");
  EXPECT_EQ(h.form().txtVoltage.text, "0,25");
  EXPECT_EQ(h.form().txtDutyCyc.text, "0,5");
}

TEST(SmpsValidationLocale, CalculateValidatesBeforeItReadsTheTable) {
  TempDir dir;  // no Ferrite.txt: the table complaint must come after the input box
  Harness h(dir.path());
  setInputs(h.form(), with(3, "-400"));
  h.answer({"400"});
  h.app.cmdCalculate_Click();
  ASSERT_EQ(h.events().size(), 2u);
  EXPECT_EQ(h.events()[0].text, kDensity);
  EXPECT_EQ(h.events()[1].title, "Core Table");
}

}  // namespace
}  // namespace windara::testing
