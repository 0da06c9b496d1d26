#include <gtest/gtest.h>

#include "app/explain.h"
#include "support/harness.h"

namespace windara {
namespace {

using testing::Harness;

// The type tested first wins, as in Calculate: SMPS, Traditional, Hall Effect.
TEST(ExplainDispatch, ExplainsTheTypeCalculateWouldRun) {
  struct Case {
    bool smps, trad, hall;
    const char* type;
    const char* table;
  };
  const Case cases[] = {
      {true, false, false, "SMPS", "Ferrite.txt"},
      {false, true, false, "Traditional", "TWC.txt"},
      {false, false, true, "Hall Effect", "Hall.txt"},
      {true, true, true, "SMPS", "Ferrite.txt"},
      {false, true, true, "Traditional", "TWC.txt"},
  };
  for (const Case& c : cases) {
    Harness h;
    h.app.optSMPS_Click();  // SMPS inputs in the boxes whatever is explained
    Form& f = h.form();
    f.optSMPS.selected = c.smps;
    f.optTradCT.selected = c.trad;
    f.optHall.selected = c.hall;
    const Explanation x = explainDesign(h.session);
    EXPECT_EQ(x.type, c.type);
    EXPECT_EQ(x.table, c.table);
  }
}

TEST(ExplainDispatch, NoTypeSelectedExplainsNothingAndSaysSo) {
  Harness h;
  for (OptionButton* b : {&h.form().optSMPS, &h.form().optTradCT, &h.form().optHall})
    b->selected = false;
  const Explanation x = explainDesign(h.session);
  EXPECT_EQ(x.type, "");
  EXPECT_TRUE(x.rows.empty());
  EXPECT_FALSE(x.chosenRow);
  ASSERT_EQ(x.notes.size(), 1u);
  EXPECT_EQ(x.notes[0], "No design type is selected, so no calculation runs.");
}

}  // namespace
}  // namespace windara
