// The explanation of every generated Traditional design, on the shipped
// catalogue and on odd ones, picks the core the form shows and reports the
// chosen core's results as the form shows them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designs/trad/trad_engine.h"
#include "stress/stress_rig.h"
#include "support/support.h"

namespace windara::testing::stress {
namespace {

double figure(const std::vector<Figure>& figures, const std::string& name) {
  for (const Figure& f : figures) {
    if (f.name == name) return f.value;
  }
  return -1.0;
}

// What the explanation gets wrong about the calculation just made, or "".
std::string disagreement(Rig& rig) {
  const Form& f = rig.form();
  const Explanation e = explainTradCT(rig.session);
  if (!e.chosenRow) {
    if (f.txtCore.text != "N/A") return "no row chosen, the form shows " + f.txtCore.text;
    if (!e.rows.empty() && !e.nearest) return "no core and no advice";
    return "";
  }
  const RowEvaluation& r = e.rows.at(static_cast<std::size_t>(*e.chosenRow - 1));
  if (r.part != f.txtCore.text) return "chose " + r.part + ", the form shows " + f.txtCore.text;
  if (!r.chosen || !r.passes() || !r.results) return "the chosen row fails its own criteria";
  const NumberLocale& loc = rig.session.locale;
  const std::string shown[] = {
      formatPattern(static_cast<float>(figure(*r.results, "accuracy")), "0.00", loc) + "%",
      formatPattern(static_cast<float>(figure(*r.results, "Ptot")), "###,###,##0.###", loc),
      formatPattern(static_cast<float>(figure(*r.results, "residual ID")), "0.000", loc),
      formatPattern(static_cast<float>(figure(*r.results, "Ae")), "0.000", loc)};
  const std::string boxes[] = {f.txtRequiredL.text, f.txtActualL.text, f.txtResID.text,
                               f.txtAe.text};
  for (std::size_t k = 0; k < 4; ++k) {
    if (shown[k] != boxes[k]) return "results " + shown[k] + ", the form shows " + boxes[k];
  }
  return "";
}

TEST(TradExplainStress, ExplanationChoosesTheCoreTheFormShows) {
  TempDir root;
  const std::vector<TableVariant> variants = writeVariants(Mode::Trad, root.path());
  const std::vector<Inputs> boundaries = boundaryInputs(Mode::Trad, dataDir());
  Draw draw(31337u);
  int faults = 0;
  for (const TableVariant& v : variants) {
    for (const NumberLocale& locale : {NumberLocale::period(), NumberLocale::comma()}) {
      Rig rig(v.dir, locale);
      rig.enterMode(Mode::Trad);
      std::vector<Inputs> cases;
      for (int k = 0; k < (v.wellFormed ? 600 : 100); ++k)
        cases.push_back(randomInputs(draw, Mode::Trad));
      for (std::size_t k = 0; k < boundaries.size(); k += v.wellFormed ? 1 : 17)
        cases.push_back(boundaries[k]);
      for (const Inputs& in : cases) {
        calculate(rig, in);
        const std::string why = disagreement(rig);
        if (!why.empty() && ++faults <= 5)
          ADD_FAILURE() << v.name << ", decimal '" << locale.decimal << "': " << why << "\n"
                        << snapshot(rig);
      }
    }
  }
  EXPECT_EQ(faults, 0);
}

}  // namespace
}  // namespace windara::testing::stress
