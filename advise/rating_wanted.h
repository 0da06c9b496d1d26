#pragma once
// A rating a Traditional CT is designed to, as an order names it ("5P20 at 10 VA", "PX with
// Ek >= 200 V", "0.3B0.5", "C200"): how the ratings are asked for it, and what their answer
// means to the adviser. The ratings judge; this only picks out their verdict on the one
// rating asked for.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/burden.h"
#include "checks/rating.h"
#include "common/number.h"

namespace windara {

enum class RatingFamily { Measuring, Protection, Px, Metering, Relaying };

struct RatingWanted {
  RatingFamily family = RatingFamily::Measuring;
  std::string name;           // as the ratings write it: "0.5", "5P20", "PX", "0.3B0.5", "C200"
  std::string className;      // the class alone: "0.5" ("" for any), "5P", "PX", "0.3", "C200"
  std::optional<double> alf;  // protection: the accuracy limit factor
  std::optional<BurdenOrder> burden;  // none: the design's own, resistive
  std::optional<double> kx;           // PX: Ek >= Kx Isr |Rct + Zb|
  std::optional<double> kneeVolts;    // PX: Ek >= this
};

// "0.5" (an IEC measuring class), "5P20" or "10P10" (a standard accuracy limit factor), "PX",
// "0.3B0.5" (an IEEE metering class at a standard metering burden), "0.3" (its burden given
// apart) or "C200"; letter case and blanks do not matter. None for anything else.
std::optional<RatingWanted> parseRating(std::string_view text);

// Gives an IEEE metering class without its burden the standard metering burden `burden` names
// ("B-0.5"); false when it names none.
bool giveMeteringBurden(RatingWanted& wanted, const BurdenOrder& burden);

// What the ratings are asked: the rating at its burden, and only those of its kind
// ("protection").
RatingRequest ratingRequest(const RatingWanted& wanted);
const char* ratingKind(RatingFamily family);

struct RatingJudgement {
  bool meets = false;
  double margin = -1.0;                // the rating's own margin; below 0 when it fails
  std::optional<std::string> reached;  // "10P20" where 5P20 is asked and only 10P holds
  std::string words;                   // its deciding figures: "composite error 7.31 % at ALF 20"
  std::string relaxation;              // what alone lets it hold, when the figures tell it
};

// The ratings' verdict (of a ratingRequest) on the rating wanted.
RatingJudgement judgeRating(const RatingWanted& wanted, const std::vector<Rating>& ratings,
                            const NumberLocale& locale);

}  // namespace windara
