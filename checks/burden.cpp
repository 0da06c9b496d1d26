#include "checks/burden.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "checks/standard_tables.h"

namespace windara {

namespace {

std::string squeezed(std::string_view text) {
  std::string out;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c)))
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// A whole text as one finite number, or none.
std::optional<double> number(std::string_view text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The figure before a unit that ends the text, or none.
std::optional<double> before(std::string_view text, std::string_view unit) {
  if (!text.ends_with(unit)) return std::nullopt;
  return number(text.substr(0, text.size() - unit.size()));
}

}  // namespace

double Burden::impedance() const {
  return std::hypot(ohms, reactanceOhms);
}

double Burden::powerFactor() const {
  const double z = impedance();
  return z > 0 ? ohms / z : 1.0;
}

double Burden::voltAmperes(double secondaryAmps) const {
  return secondaryAmps * secondaryAmps * impedance();
}

Burden Burden::scaled(double fraction) const {
  return {ohms * fraction, reactanceOhms * fraction, form, std::nullopt};
}

std::optional<BurdenOrder> parseBurden(std::string_view text) {
  const std::string s = squeezed(text);
  if (s.starts_with("b-")) {
    const auto standard = std::find_if(ieeeBurdens().begin(), ieeeBurdens().end(),
                                       [&](const IeeeBurden& b) { return squeezed(b.name) == s; });
    if (standard == ieeeBurdens().end()) return std::nullopt;
    return BurdenOrder{BurdenForm::Standard, standard->ohms, standard->powerFactor, standard->name};
  }
  if (const auto ohms = before(s, "ohm"); ohms && *ohms >= 0)
    return BurdenOrder{BurdenForm::Ohms, *ohms, 1.0, {}};
  const std::size_t at = s.find('@');
  const auto va = before(s.substr(0, at), "va");
  if (!va || *va < 0) return std::nullopt;
  BurdenOrder order{BurdenForm::VoltAmperes, *va, std::nullopt, {}};
  if (at != std::string::npos) {
    order.powerFactor = number(std::string_view(s).substr(at + 1));
    if (!order.powerFactor || !(*order.powerFactor > 0 && *order.powerFactor <= 1))
      return std::nullopt;
  }
  return order;
}

Burden burdenFor(const BurdenOrder& order, double ratedSecondaryAmps, double frequencyHz) {
  double z = order.value;
  double pf = order.powerFactor.value_or(1.0);
  if (order.form == BurdenForm::VoltAmperes) {
    z = order.value / (ratedSecondaryAmps * ratedSecondaryAmps);
    if (!order.powerFactor)
      pf = order.value < kIecBurdenRule.inductiveFromVa ? 1.0 : kIecBurdenRule.powerFactor;
  } else if (order.form == BurdenForm::Standard) {
    const double perAmp = kIeeeSecondaryAmps / ratedSecondaryAmps;
    z = order.value * perAmp * perAmp;
  }
  Burden b{z * pf, z * std::sqrt(1.0 - pf * pf), order.form, std::nullopt};
  if (order.form == BurdenForm::Standard) {
    b.reactanceOhms *= frequencyHz / kIeeeBurdenHz;
    b.name = order.name;
  }
  return b;
}

}  // namespace windara
