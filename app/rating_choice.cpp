#include "app/rating_choice.h"

#include "app/design_ratings.h"
#include "checks/standard_tables.h"
#include "checks/wording.h"

namespace windara {

const char* ratingKindName(RatingKind kind) {
  switch (kind) {
    case RatingKind::IecMeasuring:
      return "IEC measuring";
    case RatingKind::IecProtection:
      return "IEC protection";
    case RatingKind::IecPx:
      return "IEC PX";
    case RatingKind::IeeeMetering:
      return "IEEE metering";
    case RatingKind::IeeeRelaying:
      break;
  }
  return "IEEE relaying";
}

bool takesAlf(RatingKind kind) {
  return kind == RatingKind::IecProtection;
}

bool takesKx(RatingKind kind) {
  return kind == RatingKind::IecPx;
}

bool ofKind(const Rating& r, RatingKind kind) {
  const bool iec = r.standard == "IEC 61869-2";
  switch (kind) {
    case RatingKind::IecMeasuring:
      return iec && r.kind == "measuring";
    case RatingKind::IecProtection:
      return iec && r.kind == "protection";
    case RatingKind::IecPx:
      return iec && r.kind == "PX";
    case RatingKind::IeeeMetering:
      return !iec && r.kind == "metering";
    case RatingKind::IeeeRelaying:
      break;
  }
  return !iec && r.kind == "relaying";
}

std::optional<Outcome<ChosenRatings>> rateChoice(const Session& s, const RatingChoice& choice,
                                                 int excitationPoints) {
  RatingRequest request;
  request.burden = choice.burden;
  request.alf = choice.alf;
  request.kx = choice.kx;
  request.excitationPoints = excitationPoints;
  // The family's whole standard: a protection rating's plot marks the knee point PX finds.
  const bool iec = choice.kind == RatingKind::IecMeasuring ||
                   choice.kind == RatingKind::IecProtection || choice.kind == RatingKind::IecPx;
  request.standards = iec ? Standards::Iec : Standards::Ieee;
  const auto all = rateDesign(s, request);
  if (!all) return std::nullopt;
  if (!all->checks) return Outcome<ChosenRatings>::none(all->unavailable);
  ChosenRatings out;
  for (const Rating& r : *all->checks) {
    if (ofKind(r, RatingKind::IecPx)) out.iecKneeVolts = r.kneeVolts;
    if (ofKind(r, RatingKind::IeeeRelaying)) out.ansiKneeVolts = r.ansiKneeVolts;
    if (ofKind(r, choice.kind)) out.ratings.push_back(r);
  }
  return Outcome<ChosenRatings>::done(std::move(out));
}

std::string choiceTitle(const RatingChoice& choice, const NumberLocale& loc) {
  std::string s = ratingKindName(choice.kind);
  // Only a standard burden of the family names an IEEE rating: without one, metering is
  // judged at each of its burdens and relaying finds its highest class.
  const std::optional<IeeeBurden> named =
      choice.burden ? ieeeBurden(choice.burden->name) : std::nullopt;
  if (choice.kind == RatingKind::IeeeMetering && !(named && !named->relaying)) {
    s += " at each standard burden";
  } else if (choice.kind == RatingKind::IeeeRelaying && !(named && named->relaying)) {
    s += ", the highest class C";
  } else if (!choice.burden) {
    s += " at the design's burden";
  } else if (choice.burden->form == BurdenForm::Standard) {
    s += " at " + choice.burden->name;
  } else if (choice.burden->form == BurdenForm::Ohms) {
    s += " at " + readable(choice.burden->value, loc) + " \u03a9";
  } else {
    s += " at " + readable(choice.burden->value, loc) + " VA";
    if (choice.burden->powerFactor) s += ", pf " + readable(*choice.burden->powerFactor, loc);
  }
  if (takesAlf(choice.kind) && choice.alf) s += ", ALF " + readable(*choice.alf, loc);
  if (takesKx(choice.kind) && choice.kx) s += ", Kx " + readable(*choice.kx, loc);
  return s;
}

}  // namespace windara
