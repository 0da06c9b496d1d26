// Faults the stress runs found, each pinned down on its own.

#include <gtest/gtest.h>

#include "stress/stress_rig.h"
#include "support/support.h"

namespace windara::testing::stress {
namespace {

// Accepting the offered default must end every validation loop, whatever the
// user's decimal separator.
TEST(StressRegression, HallThicknessDefaultPassesInBothLocales) {
  for (const NumberLocale& locale : {NumberLocale::period(), NumberLocale::comma()}) {
    Rig rig(dataDir(), locale);
    rig.enterMode(Mode::Hall);
    rig.form().txtDutyCyc.text = "x";
    rig.dialogs.mark();
    ASSERT_NO_THROW(rig.app.cmdCalculate_Click()) << "decimal '" << locale.decimal << "'";
    ASSERT_EQ(rig.dialogs.events.size(), 1u);
    EXPECT_EQ(rig.dialogs.events[0].defaultText, std::string(1, locale.decimal) + "5");
    EXPECT_TRUE(isNumeric(rig.form().txtDutyCyc.text, locale));
    EXPECT_NE(rig.form().txtCore.text, "N/A");
  }
}

// A flux too weak to give a permeability needs a gap no core takes; it used to
// fall to the sensor's floor and pass the first core, with an empty range.
TEST(StressRegression, HallFluxTooWeakForAnyGapFindsNoCore) {
  // The smallest output and the largest sensitivity the entries take.
  for (const char* vout : {"1.2e-38", "1e-30"}) {
    Rig rig(dataDir());
    rig.enterMode(Mode::Hall);
    rig.form().txtVoltage.text = vout;
    rig.form().txtFrequency.text = "3e38";
    rig.dialogs.mark();
    rig.app.cmdCalculate_Click();
    ASSERT_EQ(rig.dialogs.events.size(), 1u) << vout;
    EXPECT_EQ(rig.dialogs.events[0].title, "Required Core Too Large") << vout;
    EXPECT_EQ(rig.form().txtCore.text, "N/A") << vout;
    EXPECT_EQ(rig.form().txtActualL.text, "") << vout;
  }
}

}  // namespace
}  // namespace windara::testing::stress
