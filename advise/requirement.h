#pragma once
// What a current transformer must do, stated per type, for the adviser to design to. Each
// requirement keeps the quantities the form holds as numbers, the turns as fixed or free,
// and optional limits; a limit left empty does not constrain.

#include <optional>
#include <string>
#include <variant>

#include "advise/rating_wanted.h"

namespace windara {

// The turns the adviser may choose: one fixed number, or any whole number in a range.
struct TurnsChoice {
  int lowest = 10;
  int highest = 5000;
  bool fixed() const { return lowest == highest; }
};

struct TradRequirement {
  double ratedAmps = 10;
  double frequencyHz = 60;
  double burdenOhms = 5;  // resistive, the form's Burden R; a rating's burden is in `rating`
  // The measuring class wanted, as the checks name it ("0.5", "0.2S"); empty for any class.
  std::string className;
  TurnsChoice turns{10, 5000};
  std::optional<double> maxOdIn;
  std::optional<double> maxHeightIn;
  std::optional<double> minHoleIn;  // the residual ID left for the primary conductor
  std::optional<double> maxSecurityFactor;
  std::optional<double> maxLossesMw;
  std::optional<int> thinnestAwg;  // the largest gauge number allowed
  // A rating wanted instead of the class, judged by the ratings at its own burden; the
  // design's burden (ohms above) still sizes the core as the form's Burden R does.
  std::optional<RatingWanted> rating;
};

struct SmpsRequirement {
  double peakAmps = 10;
  double frequencyKhz = 50;
  double maxDutyCycle = 0.5;
  double outputVolts = 0.5;  // across the burden at the peak current
  double maxDroopPercent = 5;
  std::optional<double> resetVolts;  // available to reset the core; the output voltage if none
  TurnsChoice turns{10, 1000};
  // The wire is never thinner than this current density asks (A/sq cm): the checks do not
  // judge the wire, and without it the thinnest gauge would always win the smallest core.
  double maxCurrentDensity = 400;
  std::optional<double> maxOdIn;
  std::optional<double> minHoleIn;
};

struct HallRequirement {
  double maxAmps = 100;
  double sensitivityMvPerGauss = 10;
  double sensorMaxVolts = 2;
  double sensorThicknessMm = 0.5;
  double conductorIn = 0.1;
  double maxOffsetPercent = 1;
  double maxDriftPpmPerK = 100;
  TurnsChoice turns{1, 10};
  std::optional<double> maxOdIn;
};

using Requirement = std::variant<TradRequirement, SmpsRequirement, HallRequirement>;

}  // namespace windara
