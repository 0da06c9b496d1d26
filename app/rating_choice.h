#pragma once
// One family of ratings chosen to be judged, as the explorer's Checks tab and the engineering
// report show it: the standard's class family, the burden as the order gives it, and the
// factors that family takes.

#include <optional>
#include <string>
#include <vector>

#include "checks/outcome.h"
#include "checks/rating.h"
#include "form/session.h"

namespace windara {

enum class RatingKind { IecMeasuring, IecProtection, IecPx, IeeeMetering, IeeeRelaying };
inline constexpr RatingKind kRatingKinds[] = {RatingKind::IecMeasuring, RatingKind::IecProtection,
                                              RatingKind::IecPx, RatingKind::IeeeMetering,
                                              RatingKind::IeeeRelaying};

// "IEC measuring", "IEC protection", "IEC PX", "IEEE metering", "IEEE relaying".
const char* ratingKindName(RatingKind kind);
bool takesAlf(RatingKind kind);
bool takesKx(RatingKind kind);
// Whether a rating (as rateTradCT lists them) belongs to the family.
bool ofKind(const Rating& r, RatingKind kind);

struct RatingChoice {
  RatingKind kind = RatingKind::IecMeasuring;
  std::optional<BurdenOrder> burden;  // none: the design's own
  std::optional<double> alf;
  std::optional<double> kx;

  // The IEC measuring classes at the design's own burden: what the checks already show.
  bool isDefault() const { return kind == RatingKind::IecMeasuring && !burden; }
};

// The family's ratings of the form's Traditional core, with the knee points of the excitation
// curve beside them for a plot.
struct ChosenRatings {
  std::vector<Rating> ratings;
  double iecKneeVolts = kNoFigure;
  double ansiKneeVolts = kNoFigure;
};

// None when the form shows no Traditional core; otherwise the family's ratings, each as
// rateDesign judges it, or why there are none. `excitationPoints` as in RatingRequest.
std::optional<Outcome<ChosenRatings>> rateChoice(const Session& s, const RatingChoice& choice,
                                                 int excitationPoints = 0);

// "IEEE metering at B-0.5", "IEC protection at the design's burden, ALF 10".
std::string choiceTitle(const RatingChoice& choice, const NumberLocale& loc);

}  // namespace windara
