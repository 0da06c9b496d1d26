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

// The class and errors alone: the rest of the Traditional checks would take three times
// as long and show nothing here.
std::optional<PointChecks> tradChecks(const Session& s) {
  const std::optional<Outcome<TradErrors>> out = checkTradErrors(s);
  if (!out) return std::nullopt;
  PointChecks c;
  if (!out->checks) {
    c.unavailable = out->unavailable;
    c.figures = {kNone, kNone};
    return c;
  }
  c.className = out->checks->verdict.className;
  c.figures = ratedErrors(out->checks->points);
  return c;
}

std::optional<PointChecks> otherChecks(const Session& s) {
  const std::optional<DesignChecks> d = checkDesign(s);
  if (!d) return std::nullopt;
  PointChecks c;
  c.unavailable = d->unavailable;
  if (d->smps) {
    c.figures = {d->smps->droopPercent, d->smps->fluxSwingGauss};
  } else if (d->hall) {
    // As the explanation gives a margin: how far below its limit, as a ratio.
    const double flux = d->hall->coreFluxGauss;
    c.figures = {flux, flux > 0 ? d->hall->saturationGauss / flux - 1 : kNone};
  } else {
    c.figures.assign(checkFigureNames(designTypeCode(s.form)).size(), kNone);
  }
  return c;
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
  return s.form.optTradCT.selected ? tradChecks(s) : otherChecks(s);
}

}  // namespace windara
