#include "advise/advise.h"

#include "advise/candidate_runner.h"
#include "advise/hall_search.h"
#include "advise/smps_search.h"
#include "advise/trad_search.h"

namespace windara {

Advice advise(const std::filesystem::path& programDir, const NumberLocale& locale,
              const Requirement& req, const AdviseOptions& options) {
  SearchData data = readSearchData(programDir, locale);
  data.watch = options.watch;
  const std::size_t count = std::max<std::size_t>(1, options.count);
  if (const auto* t = std::get_if<TradRequirement>(&req))
    return adviseTrad(data, *t, count, options.threads);
  if (const auto* s = std::get_if<SmpsRequirement>(&req))
    return adviseSmps(data, *s, count, options.threads);
  return adviseHall(data, std::get<HallRequirement>(req), count, options.threads);
}

std::optional<Requirement> requirementOf(const DesignFileContents& design,
                                         const NumberLocale& locale) {
  std::array<double, 6> v{};
  for (std::size_t k = 0; k < v.size(); ++k) {
    const std::optional<double> n = parseNumber(design.texts[k], locale);
    if (!n) return std::nullopt;
    v[k] = *n;
  }
  // In the file's order: txtVoltage, txtFrequency, txtPriCurrent, txtDutyCyc, txtRatio,
  // txtCurDens.
  switch (design.type) {
    case kTypeTraditional: {
      TradRequirement r;
      r.burdenOhms = v[0];
      r.frequencyHz = v[1];
      r.ratedAmps = v[2];
      return r;
    }
    case kTypeSMPS: {
      SmpsRequirement r;
      r.outputVolts = v[0];
      r.frequencyKhz = v[1];
      r.peakAmps = v[2];
      r.maxDutyCycle = v[3];
      r.maxCurrentDensity = v[5];
      return r;
    }
    case kTypeHall: {
      HallRequirement r;
      r.sensorMaxVolts = v[0];
      r.sensitivityMvPerGauss = v[1];
      r.maxAmps = v[2];
      r.sensorThicknessMm = v[3];
      r.conductorIn = v[5];
      return r;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace windara
