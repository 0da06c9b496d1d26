#pragma once
// A rating of a Traditional CT judged against one class family of IEC 61869-2 or IEEE C57.13:
// what is asked, and what the judgement gives.

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "checks/burden.h"
#include "checks/ratio_error.h"

namespace windara {

enum class Standards { Iec, Ieee, All };

struct RatingRequest {
  Standards standards = Standards::All;
  std::optional<BurdenOrder> burden;  // none: the design's own, resistive
  std::optional<double> alf;          // the accuracy limit factor to judge; none: the highest
  std::optional<double> kx;           // PX dimensioning factor; none: PX is not judged
  // Points of the excitation curve each protection, PX and relaying rating carries for a plot;
  // 0 leaves it out, as a verdict alone does not need it.
  int excitationPoints = 0;
};

// A point of the excitation curve: the e.m.f. and the whole exciting current, both rms.
struct ExcitationSample {
  double emfVolts = 0.0;
  double excitingAmps = 0.0;
};

// One error point of a rating.
struct RatingPoint {
  double currentPercent = 0.0;  // of rated current
  double burdenPercent = 0.0;   // of the rating's burden
  double Is = 0.0;
  double inPhaseAmps = 0.0;     // Ie's loss part, in phase with Es
  double quadratureAmps = 0.0;  // Ie's magnetizing part, 90 degrees behind Es
  double ratioErrorPercent = 0.0;
  double rcf = 0.0;           // the ratio correction factor: true ratio / marked ratio
  double phaseMinutes = 0.0;  // positive: secondary leads
  std::optional<double> tcf;  // IEEE metering: at a power factor of 0.6 lagging
};

constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

struct Rating {
  std::string standard;  // "IEC 61869-2", "IEEE C57.13"
  std::string kind;      // "measuring", "protection", "PX", "metering", "relaying"
  Burden burden;
  double burdenVa = 0.0;              // at rated secondary current
  std::optional<std::string> rating;  // "0.5", "5P20", "0.3B0.5", "C200"; none reached
  std::string protectionClass;        // protection: the class judged, "5P", "10PR"
  std::optional<bool> holds;          // none: not judged (`note` says why)
  double margin = kNoFigure;          // the tightest limit's share left; below 0 beyond it
  std::vector<RatingPoint> points;
  // Protection: at the accuracy limit factor judged.
  double compositeErrorPercent = kNoFigure;
  double alf = kNoFigure;
  double eAlfVolts = kNoFigure;
  double alfAtBurden = kNoFigure;  // the factor at which the composite error reaches the limit
  // PX.
  double kneeVolts = kNoFigure;
  double kneeExcitingAmps = kNoFigure;
  double windingOhms75c = kNoFigure;
  double kx = kNoFigure;
  double requiredKneeVolts = kNoFigure;
  // IEEE metering at each standard burden: the classes for which this is the largest standard
  // burden at which they hold, "0.6B1.8".
  std::vector<std::string> highestBurdenRatings;
  // Relaying.
  double terminalVoltsAt20x = kNoFigure;
  double emfAt20xVolts = kNoFigure;      // at which the ratio correction reaches 10 %
  double windingVoltsAt20x = kNoFigure;  // 20 Isr Rct
  double ansiKneeVolts = kNoFigure;
  double ratedSecondaryAmps = kNoFigure;
  std::string note;
  // Why the burden judged is not quite the one ordered (IEC's power factor for an output).
  std::string burdenNote;
  // Protection, PX and relaying when asked for: the winding at 75 C, lowest e.m.f. first.
  std::vector<ExcitationSample> excitation;
};

// The wound core the ratings judge.
struct RatedCore {
  CtModel measuring;  // with the winding as the wire tables give it (20 C)
  CtModel hot;        // with the winding at 75 C, for the protection ratings
  double ratedPrimaryAmps = 0.0;
  double ratedSecondaryAmps = 0.0;  // Ip / N
  double saturationTesla = 0.0;
};

// A rating of `kind` under `standard` at a burden, its output in VA at rated secondary current,
// nothing judged yet.
Rating ratingAt(const char* standard, const char* kind, const Burden& burden,
                const RatedCore& core);
// The point as a rating shows it; RCF = 1 / (1 + ratio error).
RatingPoint ratingPoint(const TradPoint& p, double currentPercent, double burdenPercent);
// The e.m.f. (V rms) that drives a sinusoidal flux of `peakTesla` through the core.
double emfAt(const CtModel& ct, double peakTesla);
// The whole exciting current's rms at an e.m.f.
double excitingRms(const CtModel& ct, double emfVolts);
// "5P" and 20 give "5P20".
std::string withFactor(const std::string& name, double factor);

}  // namespace windara
