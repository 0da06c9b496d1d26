// A sweep's design against the form: what the sweep varied may change, nothing
// else may. (The range offered is tested with the Sweep tab.)

#include <gtest/gtest.h>

#include <functional>

#include "sweep/swept_design.h"

namespace windara {
namespace {

void pick(Form& f, OptionButton& button) {
  for (OptionButton* b : f.group(button.group))
    b->selected = b == &button;
}

// A Traditional design of alloy S in 2 mil tape.
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

}  // namespace
}  // namespace windara
