// The Traditional explanation with the accuracy class each core that fits would reach, so
// that the smallest core reaching a class can be read off.

#include "app/shared_data.h"
#include "app/type_checks.h"
#include "checks/materials.h"
#include "designs/tables/core_tables.h"
#include "designs/trad/trad_inputs.h"

namespace windara {

namespace {

void addClasses(Explanation& x, const TradInputs& in, const TapeCoreTable& table,
                const MaterialsRead& read) {
  if (!read.ok()) {
    x.notes.push_back("No accuracy class per core: " + read.problem + ".");
    return;
  }
  const TradRequirements req = tradRequirements(in);
  std::string missing;
  for (RowEvaluation& row : x.rows) {
    if (!row.results) continue;
    const TradCore core = evaluateTradCore(in, req, table, row.row);
    const std::optional<TapeMaterial> tape = read.materials.tape(in.alloy.letter, core.thickness);
    if (!tape) {
      missing = materialMissing("tape " + tapeName(in, core));
      continue;
    }
    const Outcome<ClassVerdict> v = tradClass(tradCheckInputs(in, req, core), *tape);
    if (v.checks) row.accuracyClass = RowClass{v.checks->className, v.checks->tightest.margin};
  }
  if (!missing.empty()) x.notes.push_back("No accuracy class for some cores: " + missing + ".");
}

}  // namespace

Explanation explainTradWithClasses(const Session& s) {
  const std::shared_ptr<const TapeCoreTable> table = tapeCoreTable(s);
  const ShownTradCalculation shown = shownTradCalculation(s, table);
  Explanation x = explainShownTrad(shown, *table);
  addClasses(x, shown.inputs, *table, *materialsFor(s));
  return x;
}

}  // namespace windara
