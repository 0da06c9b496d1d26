#include "sweep/point_checks.h"

#include <algorithm>
#include <limits>

#include "files/design_file.h"

namespace windara {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// The ratio error and phase displacement at rated current and rated burden.
std::vector<double> ratedErrors(const std::vector<TradPoint>& points) {
  const auto it = std::find_if(points.begin(), points.end(), [](const TradPoint& p) {
    return p.currentPercent == 100 && p.burdenPercent == 100;
  });
  if (it == points.end()) return {kNone, kNone};
  return {it->ratioErrorPercent, it->phaseMinutes};
}

std::vector<double> figures(const DesignChecks& d) {
  if (d.trad) return ratedErrors(d.trad->points);
  if (d.smps) return {d.smps->droopPercent, d.smps->fluxSwingGauss};
  if (d.hall) {
    // As the explanation gives a margin: how far below its limit, as a ratio.
    const double flux = d.hall->coreFluxGauss;
    return {flux, flux > 0 ? d.hall->saturationGauss / flux - 1 : kNone};
  }
  return {};
}

}  // namespace

std::vector<const char*> checkFigureNames(int typeCode) {
  switch (typeCode) {
    case kTypeTraditional:
      return {"ratio_error_percent", "phase_minutes"};
    case kTypeSMPS:
      return {"droop_percent", "flux_swing_gauss"};
    case kTypeHall:
      return {"core_flux_gauss", "saturation_margin"};
    default:
      return {};
  }
}

std::optional<PointChecks> pointChecks(const Session& s) {
  // The figures alone: the texts and the rest of the Traditional checks would take longer
  // than the design and show nothing here.
  const std::optional<DesignChecks> d = checkDesign(s, CheckDetail::Figures);
  if (!d) return std::nullopt;
  PointChecks c;
  c.unavailable = d->unavailable;
  if (d->trad) c.className = d->trad->verdict.className;
  c.figures = figures(*d);
  if (c.figures.empty()) c.figures.assign(checkFigureNames(designTypeCode(s.form)).size(), kNone);
  return c;
}

}  // namespace windara
