// The Hall explanation against the design over the stress inputs, on the
// shipped table and on odd ones: the chosen row is the core the boxes show,
// advice comes exactly with a warning, and a change it offers, typed in,
// gives the core it names.

#include <gtest/gtest.h>

#include "designs/hall/hall_engine.h"
#include "designs/hall_advice.h"
#include "stress/stress_rig.h"
#include "support/support.h"

namespace windara::testing::stress {
namespace {

struct Tally {
  int designs = 0, stops = 0, advised = 0, faults = 0;
};

void check(Rig& rig, const Inputs& in, const std::string& table, Tally& tally) {
  calculate(rig, in);
  const Explanation e = explainHall(rig.session);
  Form& f = rig.form();
  const auto& events = rig.dialogs.events;
  const bool warned = std::any_of(events.begin(), events.end(), [](const DialogEvent& d) {
    return d.kind == DialogEvent::Kind::Message && d.title != "Core Table";
  });
  std::string why;
  std::string chosenPart;
  for (const RowEvaluation& r : e.rows)
    if (r.chosen) chosenPart = r.part;
  if (e.chosenRow.has_value() != (f.txtCore.text != "N/A")) {
    why = "chosen row " + (e.chosenRow ? std::to_string(*e.chosenRow) : "none");
  } else if (e.chosenRow && chosenPart != f.txtCore.text) {
    why = "chosen part " + chosenPart;
  } else if (e.nearest.has_value() != warned) {
    why = "advice without a warning, or a warning without advice";
  }
  if (e.chosenRow) ++tally.designs;
  if (warned) ++tally.stops;
  if (why.empty() && e.nearest && e.nearest->canHelp) {
    const std::optional<HallAdvice> advice = parseHallAdvice(e.nearest->advice);
    if (!advice) {
      why = "advice not understood: " + e.nearest->advice;
    } else {
      applyHallAdvice(f, *advice);
      rig.dialogs.mark();
      rig.app.cmdCalculate_Click();
      if (f.txtCore.text != advice->part)
        why = "after '" + e.nearest->advice + "': " + f.txtCore.text;
      ++tally.advised;
    }
  }
  if (!why.empty() && ++tally.faults <= 5) {
    std::string boxes;
    for (const std::string& b : in.box)
      boxes += " [" + b + "]";
    ADD_FAILURE() << table << ":" << boxes << " material " << in.material << ": " << why;
  }
}

TEST(HallExplainStress, AgreesWithTheDesignOnEveryTable) {
  TempDir root;
  const std::vector<TableVariant> variants = writeVariants(Mode::Hall, root.path());
  Draw draw(4242u);
  const std::vector<Inputs> boundaries = boundaryInputs(Mode::Hall, dataDir());
  Tally tally;
  for (const TableVariant& v : variants) {
    for (const NumberLocale& loc : {NumberLocale::period(), NumberLocale::comma()}) {
      Rig rig(v.dir, loc);
      rig.enterMode(Mode::Hall);
      const int count = v.wellFormed && loc == NumberLocale::period() ? 1500 : 150;
      for (int k = 0; k < count; ++k) {
        Inputs in = randomInputs(draw, Mode::Hall);
        if (loc.decimal == ',')
          for (std::string& b : in.box)
            std::replace(b.begin(), b.end(), '.', ',');
        check(rig, in, v.name, tally);
      }
      if (loc == NumberLocale::period())
        for (const Inputs& in : boundaries)
          check(rig, in, v.name, tally);
    }
  }
  EXPECT_EQ(tally.faults, 0);
  EXPECT_GT(tally.designs, 1000);
  EXPECT_GT(tally.stops, 1000);
  EXPECT_GT(tally.advised, 300);
}

}  // namespace
}  // namespace windara::testing::stress
