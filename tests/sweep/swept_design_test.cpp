// A sweep's design against the form: what the sweep varied may change, nothing
// else may; the range a sweep offers for an input.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "sweep/suggested_range.h"
#include "sweep/swept_design.h"

namespace windara {
namespace {

// Selects one button of its group.
void pick(Form& f, OptionButton& button) {
  for (OptionButton* b : f.group(button.group))
    b->selected = b == &button;
}

// A Traditional design of alloy S in 2 mil tape, as the form holds it.
void tradDesign(Form& f) {
  pick(f, f.optTradCT);
  pick(f, f.optPperm);
  pick(f, f.opt2mil);
  for (TextBox Form::*box : kDesignFileBoxes)
    (f.*box).text = "5";
}

TEST(SweptDesign, TheFormHoldsItUntilAnythingButTheVariedInputChanges) {
  const NumberLocale locale = NumberLocale::period();
  Form f;
  tradDesign(f);
  const SweptDesign swept = sweptDesign(f, &Form::txtRatio);
  EXPECT_TRUE(formHolds(f, swept, locale));
  // The varied input, and the same number written otherwise, leave it the same design.
  f.txtRatio.text = "250";
  f.txtFrequency.text = "5.00";
  EXPECT_TRUE(formHolds(f, swept, locale));

  // Another input, alloy T instead of S, another tape, another type, no type.
  const std::function<void(Form&)> changes[] = {
      [](Form& o) { o.txtFrequency.text = "6"; }, [](Form& o) { pick(o, o.optQperm); },
      [](Form& o) { pick(o, o.opt4mil); }, [](Form& o) { pick(o, o.optSMPS); },
      [](Form& o) { o.optTradCT.selected = false; }};
  for (const auto& change : changes) {
    Form other;
    tradDesign(other);
    change(other);
    EXPECT_FALSE(formHolds(other, swept, locale));
  }
}

TEST(SuggestedRange, HalfToTwiceTheValueTurnsInWholeNumbers) {
  const auto r = suggestedRange(0.8, false);
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r->from, 0.4);
  EXPECT_DOUBLE_EQ(r->to, 1.6);
  EXPECT_EQ(r->count, kSuggestedCount);
  // Turns: one turn is the least, a point at every whole number in between.
  const struct {
    double turns, from, to;
    std::int64_t count;
  } turns[] = {{1, 1, 2, 2}, {5, 3, 10, 8}, {100, 50, 200, 151}, {2000, 1000, 4000, 50}};
  for (const auto& t : turns) {
    const auto w = suggestedRange(t.turns, true);
    ASSERT_TRUE(w) << t.turns;
    EXPECT_EQ(w->from, t.from);
    EXPECT_EQ(w->to, t.to);
    EXPECT_EQ(w->count, t.count);
  }
  EXPECT_FALSE(suggestedRange(0, false));
  EXPECT_FALSE(suggestedRange(-3, true));
  EXPECT_FALSE(suggestedRange(NAN, false));
  EXPECT_TRUE(countsTurns(&Form::txtRatio));
  EXPECT_FALSE(countsTurns(&Form::txtVoltage));
}

}  // namespace
}  // namespace windara
