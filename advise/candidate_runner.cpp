#include "advise/candidate_runner.h"

#include <cmath>
#include <numbers>

#include "sweep/named_boxes.h"

namespace windara {

SearchData readSearchData(const std::filesystem::path& programDir, const NumberLocale& locale) {
  return {programDir, locale, readCoreTables(programDir),
          std::make_shared<const MaterialsRead>(readMaterials(programDir)), nullptr};
}

CandidateRunner::CandidateRunner(const SearchData& data, int type, int material, int thickness)
    : watch_(data.watch), locale_(data.locale) {
  state_.type = type;
  state_.material = material;
  state_.thickness = thickness;
  runner_ = std::make_unique<SweepRunner>(data.programDir, data.locale, state_, data.tables,
                                          data.materials);
  runner_->keepChecks(false);
}

const SweepPoint& CandidateRunner::run(const std::array<std::string, 6>& texts) {
  if (watch_) {
    if (watch_->cancel) throw SearchCancelled();
    ++watch_->runs;
  }
  std::vector<BoxValue> values;
  values.reserve(texts.size());
  for (std::size_t k = 0; k < texts.size(); ++k)
    values.push_back({{"", kDesignFileBoxes[k]}, 0, texts[k]});
  state_.texts = texts;
  runner_->run(values, point_);
  const OptionButton* asked = thicknessButton(runner_->form(), state_);
  switched_ = asked && !asked->selected;
  ++runs_;
  return point_;
}

std::optional<DesignChecks> CandidateRunner::checks(CheckDetail detail) const {
  return checkDesign(runner_->session(), detail);
}

std::optional<Outcome<std::vector<Rating>>> CandidateRunner::ratings(const RatingRequest& request,
                                                                     std::string_view kind) const {
  return rateDesign(runner_->session(), request, kind);
}

Candidate CandidateRunner::describe() {
  Candidate c;
  c.state = state_;
  // The texts as the form holds them after the calculation.
  for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k)
    c.state.texts[k] = (runner_->form().*kDesignFileBoxes[k]).text;
  // And the thickness it ended in, which a calculation may have changed.
  for (const int mils : {1, 2, 4}) {
    DesignFileContents at = c.state;
    at.thickness = mils;
    const OptionButton* button = thicknessButton(runner_->form(), at);
    if (button && button->selected) c.state.thickness = mils;
  }
  c.core = output(&Form::txtCore);
  c.wire = output(&Form::txtWireSize);
  c.hole = output(&Form::txtResID);
  c.losses = output(&Form::txtActualL);
  return c;
}

double toroidVolumeCm3(double idIn, double odIn, double heightIn) {
  constexpr double kCm3PerIn3 = 2.54 * 2.54 * 2.54;
  return std::numbers::pi / 4 * (odIn * odIn - idIn * idIn) * heightIn * kCm3PerIn3;
}

std::string plainestBelow(double value, double above, const NumberLocale& locale) {
  // Scaled by an exact power of ten, so that the digits kept are never rounded up past `value`.
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  for (int digits = 1; digits <= 15; ++digits) {
    const int e = digits - 1 - magnitude;
    const double p = std::pow(10.0, std::abs(e));
    const double v = e >= 0 ? std::floor(value * p) / p : std::floor(value / p) * p;
    if (v > above && v <= value) return formatGeneral(v, locale);
  }
  return formatGeneral(value, locale);
}

}  // namespace windara
