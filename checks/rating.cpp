#include "checks/rating.h"

#include <cstdio>

#include "checks/excitation.h"

namespace windara {

Rating ratingAt(const char* standard, const char* kind, const Burden& burden,
                const RatedCore& core) {
  Rating r;
  r.standard = standard;
  r.kind = kind;
  r.burden = burden;
  r.burdenVa = burden.voltAmperes(core.ratedSecondaryAmps);
  r.ratedSecondaryAmps = core.ratedSecondaryAmps;
  return r;
}

RatingPoint ratingPoint(const TradPoint& p, double currentPercent, double burdenPercent) {
  RatingPoint r;
  r.currentPercent = currentPercent;
  r.burdenPercent = burdenPercent;
  r.Is = p.Is;
  r.inPhaseAmps = p.Ia;
  r.quadratureAmps = p.Im;
  r.ratioErrorPercent = p.ratioErrorPercent;
  r.rcf = 1.0 / (1.0 + p.ratioErrorPercent / 100.0);
  r.phaseMinutes = p.phaseMinutes;
  return r;
}

double emfAt(const CtModel& ct, double peakTesla) {
  return peakTesla / windara::peakTesla(ct, 1.0);
}

double excitingRms(const CtModel& ct, double emfVolts) {
  return excitationAt(ct, emfVolts).rms();
}

std::string withFactor(const std::string& name, double factor) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%g", factor);
  return name + digits;
}

}  // namespace windara
