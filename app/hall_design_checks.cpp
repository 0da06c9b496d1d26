// The Hall Effect checks of the core the form shows.

#include "app/shared_data.h"
#include "app/type_checks.h"
#include "designs/hall/hall_engine.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"

namespace windara {

namespace {

const char* materialName(HallMaterialId id) {
  switch (id) {
    case HallMaterialId::Ovimax:
      return "Ovimax";
    case HallMaterialId::Zendra:
      return "Zendra";
    case HallMaterialId::Ferrite:
      break;
  }
  return "Ferrite";
}

}  // namespace

std::optional<DesignChecks> checkHallDesign(const Session& s, CheckDetail detail) {
  const HallInputs in = readHallInputs(s);
  const std::shared_ptr<const HallTable> table = hallTable(s);
  const std::shared_ptr<const HallResult> run = hallRun(s, in, table);
  const HallResult& r = *run;
  if (!r.core || !in.material) return std::nullopt;
  const std::string part = r.walked.back().eval.part;
  if (part != s.form.txtCore.text) return std::nullopt;

  DesignChecks d;
  d.type = "Hall Effect";
  d.part = part;
  const std::string material = materialName(*in.material);
  d.material = "Hall material " + material;
  const HallChosenCore& c = *r.core;
  HallCheckInputs k;
  k.insideDiameterIn = c.insideDiameter;
  k.outsideDiameterIn = c.outsideDiameter;
  k.heightIn = c.height;
  k.pathLengthCm = c.pathLength;
  k.permeability = c.mu;
  k.gapIn = c.gap;
  k.turns = c.turns;
  k.maxPrimaryAmps = c.maxCurrent;
  k.sensorFullScaleGauss = c.flux;
  d.hallInputs = k;
  takeOutcome(d, checkHall(*materialsFor(s), k, material, s.locale, detail), &DesignChecks::hall,
              [](const HallChecks& h) { return h.summary.statusLine; });
  return d;
}

}  // namespace windara
