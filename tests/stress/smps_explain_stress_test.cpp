// The explanation names the core the design shows on every generated input,
// on the shipped catalogue and on each odd one.

#include <gtest/gtest.h>

#include "app/explain.h"
#include "stress/stress_rig.h"
#include "support/support.h"

namespace windara::testing::stress {
namespace {

TEST(SmpsExplainStress, ChosenRowIsTheCoreTheDesignShows) {
  TempDir root;
  const std::vector<TableVariant> variants = writeVariants(Mode::SMPS, root.path());
  Draw draw(4242u);
  const std::vector<Inputs> boundaries = boundaryInputs(Mode::SMPS, dataDir());
  int compared = 0, cores = 0, faults = 0;
  for (const TableVariant& v : variants) {
    std::vector<Inputs> cases(boundaries.begin(), boundaries.end());
    for (int k = 0; k < (v.wellFormed ? 2000 : 300); ++k)
      cases.push_back(randomInputs(draw, Mode::SMPS));
    for (const NumberLocale& locale : {NumberLocale::period(), NumberLocale::comma()}) {
      Rig rig(v.dir, locale);
      rig.enterMode(Mode::SMPS);
      for (const Inputs& in : cases) {
        calculate(rig, in);
        const Explanation x = explainDesign(rig.session);
        const std::string part =
            x.chosenRow ? x.rows.at(static_cast<std::size_t>(*x.chosenRow - 1)).part : "N/A";
        ++compared;
        cores += x.chosenRow ? 1 : 0;
        if (part != rig.form().txtCore.text && ++faults <= 5) {
          ADD_FAILURE() << v.name << ": explained " << part << ", shown " << rig.form().txtCore.text
                        << "\n"
                        << snapshot(rig);
        }
        if (!x.chosenRow && !x.rows.empty() && !x.nearest && ++faults <= 5)
          ADD_FAILURE() << v.name << ": no core and no advice\n" << snapshot(rig);
      }
    }
  }
  EXPECT_EQ(faults, 0);
  EXPECT_GT(compared, 10000);
  EXPECT_GT(cores, compared / 10);
}

}  // namespace
}  // namespace windara::testing::stress
