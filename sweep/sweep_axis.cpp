#include "sweep/sweep_axis.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace windara {

namespace {

constexpr const char* kShape = "--vary needs BOX=FROM:TO:COUNT or BOX=FROM:TO:COUNT:log";

std::vector<std::string_view> splitColons(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t colon = text.find(':');
    parts.push_back(text.substr(0, colon));
    if (colon == std::string_view::npos) return parts;
    text.remove_prefix(colon + 1);
  }
}

double rangeEnd(std::string_view text, const char* which, const NumberLocale& locale) {
  // A period works in every locale: scripts often write numbers that way.
  std::optional<double> v = parseNumber(text, locale);
  if (!v) v = parseNumber(text, NumberLocale::period());
  if (!v) throw SweepSpecError(std::string(which) + " '" + std::string(text) + "' is not a number");
  return *v;
}

std::int64_t count(std::string_view text) {
  std::int64_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  const bool whole = ec == std::errc() && end == text.data() + text.size() && !text.empty();
  if (!whole || n < kMinSweepCount || n > kMaxSweepCount)
    throw SweepSpecError("COUNT '" + std::string(text) +
                         "' is not a whole number from 2 to 1,000,000");
  return n;
}

std::string boxList() {
  std::string list;
  for (const NamedBox& b : kInputBoxes)
    list += (list.empty() ? "" : ", ") + std::string(b.name);
  return list;
}

}  // namespace

SweepAxis parseSweepAxis(std::string_view spec, const NumberLocale& locale) {
  const std::size_t eq = spec.find('=');
  if (eq == std::string_view::npos) throw SweepSpecError(kShape);
  const std::string_view name = spec.substr(0, eq);
  const std::optional<NamedBox> box = inputBoxNamed(name);
  if (!box)
    throw SweepSpecError("unknown box '" + std::string(name) + "' (one of " + boxList() + ")");
  const std::vector<std::string_view> parts = splitColons(spec.substr(eq + 1));
  if (parts.size() < 3 || parts.size() > 4 || (parts.size() == 4 && parts[3] != "log"))
    throw SweepSpecError(kShape);

  SweepAxis axis{*box, rangeEnd(parts[0], "FROM", locale), rangeEnd(parts[1], "TO", locale),
                 count(parts[2]), parts.size() == 4};
  if (axis.log && !(axis.from > 0 && axis.to > 0))
    throw SweepSpecError("a log range needs FROM and TO above zero");
  return axis;
}

double sweepValue(const SweepAxis& axis, std::int64_t i) {
  if (i <= 0) return axis.from;
  if (i >= axis.count - 1) return axis.to;
  const double t = static_cast<double>(i) / static_cast<double>(axis.count - 1);
  // The ends weighted in the logarithms, as a product of powers: each factor
  // lies between 1 and its end, so none overflows, and no logarithm of a
  // large end loses the last digits.
  if (axis.log) return std::pow(axis.from, 1 - t) * std::pow(axis.to, t);
  // Weighted ends rather than FROM + t (TO - FROM), which overflows for ends
  // near the largest doubles.
  return (1 - t) * axis.from + t * axis.to;
}

SweepGrid::SweepGrid(std::vector<SweepAxis> axes, NumberLocale locale)
    : axes_(std::move(axes)), locale_(locale) {
  if (axes_.empty()) throw SweepSpecError("sweep needs --vary BOX=FROM:TO:COUNT[:log]");
  if (axes_.size() > 2) throw SweepSpecError("at most two --vary can be given");
  if (axes_.size() == 2 && axes_[0].box.box == axes_[1].box.box)
    throw SweepSpecError(std::string(axes_[0].box.name) + " is varied twice");
}

std::int64_t SweepGrid::size() const {
  std::int64_t n = 1;
  for (const SweepAxis& a : axes_)
    n *= a.count;
  return n;
}

std::vector<BoxValue> SweepGrid::point(std::int64_t index) const {
  std::vector<BoxValue> values(axes_.size());
  // The last axis changes fastest.
  for (std::size_t k = axes_.size(); k-- > 0;) {
    const SweepAxis& a = axes_[k];
    const double v = sweepValue(a, index % a.count);
    values[k] = {a.box, v, formatGeneral(v, locale_)};
    index /= a.count;
  }
  return values;
}

}  // namespace windara
