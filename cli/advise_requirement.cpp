#include "cli/advise_requirement.h"

#include <cmath>

#include "advise/advise.h"
#include "checks/accuracy_class.h"
#include "cli/burden_option.h"

namespace windara::cli {

namespace {

constexpr int kMostTurns = 32767;  // the designs round the turns to a 16-bit whole number

// The options only one type uses, with that type's code.
struct TypeOption {
  const char* name;
  int type;
};
constexpr TypeOption kTypeOptions[] = {
    {"class", kTypeTraditional},        {"max-height", kTypeTraditional},
    {"max-fs", kTypeTraditional},       {"max-losses", kTypeTraditional},
    {"thinnest-awg", kTypeTraditional}, {"rating", kTypeTraditional},
    {"burden", kTypeTraditional},       {"kx", kTypeTraditional},
    {"knee-volts", kTypeTraditional},   {"max-droop", kTypeSMPS},
    {"reset-volts", kTypeSMPS},         {"max-offset", kTypeHall},
    {"max-drift", kTypeHall},           {"min-hole", 0},
};

const char* typeWords(int type) {
  switch (type) {
    case kTypeTraditional:
      return "Traditional";
    case kTypeSMPS:
      return "SMPS";
    default:
      return "Hall Effect";
  }
}

class Reader {
 public:
  Reader(const ParsedArgs& args, const NumberLocale& locale) : args_(args), locale_(locale) {}

  // A number greater than 0, or none when the option is not given.
  std::optional<double> positive(const char* name) const {
    if (!args_.has(name)) return std::nullopt;
    const std::string text = args_.last(name);
    std::optional<double> v = parseNumber(text, locale_);
    if (!v) v = parseNumber(text, NumberLocale::period());
    if (!v || !std::isfinite(*v) || *v <= 0)
      throw UsageError("--" + std::string(name) + ": expected a number greater than 0, got '" +
                       text + "'");
    return v;
  }

  std::optional<int> whole(const char* name, int lowest, int highest) const {
    if (!args_.has(name)) return std::nullopt;
    return wholeText(name, args_.last(name), lowest, highest);
  }

  int wholeText(const std::string& name, const std::string& text, int lowest, int highest) const {
    const std::optional<double> v = parseNumber(text, NumberLocale::period());
    if (!v || *v != std::floor(*v) || *v < lowest || *v > highest)
      throw UsageError("--" + name + ": expected a whole number from " + std::to_string(lowest) +
                       " to " + std::to_string(highest) + ", got '" + text + "'");
    return static_cast<int>(*v);
  }

  // --turns N or --turns-range A:B over the type's default range.
  TurnsChoice turns(TurnsChoice choice) const {
    if (args_.has("turns") && args_.has("turns-range"))
      throw UsageError("give --turns or --turns-range, not both");
    if (const auto n = whole("turns", 1, kMostTurns)) return {*n, *n};
    if (!args_.has("turns-range")) return choice;
    const std::string text = args_.last("turns-range");
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
      throw UsageError("--turns-range: expected A:B, whole numbers from 1 to " +
                       std::to_string(kMostTurns) + " with A <= B, got '" + text + "'");
    choice.lowest = wholeText("turns-range", text.substr(0, colon), 1, kMostTurns);
    choice.highest = wholeText("turns-range", text.substr(colon + 1), choice.lowest, kMostTurns);
    return choice;
  }

 private:
  const ParsedArgs& args_;
  const NumberLocale& locale_;
};

constexpr const char* kRatingForms =
    "an IEC measuring class (0.5), an IEC protection class with a standard accuracy limit "
    "factor (5P10, 10P20; 5, 10, 15, 20, 30), PX, an IEEE metering class at a standard "
    "burden (0.3B0.5; 0.15S, 0.15, 0.3, 0.6, 1.2 at B0.1, B0.2, B0.5, B0.9, B1.8) or an IEEE "
    "relaying class (C10, C20, C50, C100, C200, C400, C800)";

// The rating of --rating (or --class) at --burden, or none when the class alone is asked for
// at the design's own burden.
std::optional<RatingWanted> ratingOption(const ParsedArgs& args, const NumberLocale& locale,
                                         const Reader& read) {
  if (args.has("rating") && args.has("class"))
    throw UsageError("give --class or --rating, not both");
  std::optional<BurdenOrder> burden;
  if (args.has("burden")) burden = burdenOption(args, locale);
  std::optional<RatingWanted> w;
  if (args.has("rating")) {
    w = parseRating(args.last("rating"));
    if (!w)
      throw UsageError("--rating: expected " + std::string(kRatingForms) + ", got '" +
                       args.last("rating") + "'");
  } else if (burden) {
    w = RatingWanted{};
    const std::string c = args.last("class", "any");
    w->name = w->className = c == "any" ? "" : c;
  }
  const bool px = w && w->family == RatingFamily::Px;
  for (const char* factor : {"kx", "knee-volts"})
    if (args.has(factor) && !px)
      throw UsageError("--" + std::string(factor) + " applies to --rating PX only");
  if (!w) return std::nullopt;
  if (px) {
    w->kx = read.positive("kx");
    w->kneeVolts = read.positive("knee-volts");
    if (!w->kx && !w->kneeVolts) throw UsageError("--rating PX: give --kx K or --knee-volts V");
  }
  if (w->family == RatingFamily::Metering && !w->burden) {
    if (!burden)
      throw UsageError("--rating " + w->name +
                       ": an IEEE metering class needs its standard burden, as " + w->name +
                       "B0.5 or with --burden B-0.5");
    if (!giveMeteringBurden(*w, *burden))
      throw UsageError("--burden: the IEEE metering class " + w->name +
                       " takes a standard metering burden (B-0.1, B-0.2, B-0.5, B-0.9, B-1.8), "
                       "not '" +
                       args.last("burden") + "'");
  } else if (burden && w->burden) {
    throw UsageError("--burden: the rating " + w->name + " names its own burden");
  } else if (burden) {
    w->burden = burden;
  }
  // A measuring class at the design's own burden is the class the checks judge.
  if (w->family == RatingFamily::Measuring && !w->burden) return std::nullopt;
  return w;
}

}  // namespace

std::vector<OptionSpec> adviseOptions() {
  std::vector<OptionSpec> specs = {{"turns", true}, {"turns-range", true}, {"max-od", true},
                                   {"count", true}, {"json", false},       {"apply", true}};
  for (const TypeOption& o : kTypeOptions)
    specs.push_back({o.name, true});
  return specs;
}

Requirement adviseRequirement(const DesignFileContents& design, const ParsedArgs& args,
                              const NumberLocale& locale) {
  for (const TypeOption& o : kTypeOptions) {
    const bool fits = o.type == design.type || (o.type == 0 && design.type != kTypeHall);
    if (args.has(o.name) && !fits)
      throw UsageError("--" + std::string(o.name) + " does not apply to a " +
                       typeWords(design.type) + " design");
  }
  std::optional<Requirement> req = requirementOf(design, locale);
  if (!req) throw UsageError("the design's inputs must all be numbers to state a requirement");
  const Reader read(args, locale);
  if (auto* t = std::get_if<TradRequirement>(&*req)) {
    std::string c = args.last("class", "any");
    if (c != "any" && !accuracyClass(c)) {
      std::string names;
      for (const AccuracyClass& a : accuracyClasses())
        names += std::string(names.empty() ? "" : ", ") + a.name;
      throw UsageError("--class: expected one of " + names + " or any, got '" + c + "'");
    }
    t->rating = ratingOption(args, locale, read);
    // --rating 0.5 without a burden is --class 0.5.
    if (args.has("rating") && !t->rating) c = parseRating(args.last("rating"))->className;
    t->className = c == "any" || t->rating ? "" : c;
    // The order's burden in ohms is the design's Burden R too.
    if (t->rating && t->rating->burden && t->rating->burden->form == BurdenForm::Ohms)
      t->burdenOhms = t->rating->burden->value;
    t->turns = read.turns(t->turns);
    t->maxOdIn = read.positive("max-od");
    t->maxHeightIn = read.positive("max-height");
    t->minHoleIn = read.positive("min-hole");
    t->maxSecurityFactor = read.positive("max-fs");
    t->maxLossesMw = read.positive("max-losses");
    t->thinnestAwg = read.whole("thinnest-awg", 12, 42);
  } else if (auto* s = std::get_if<SmpsRequirement>(&*req)) {
    s->turns = read.turns(s->turns);
    s->maxOdIn = read.positive("max-od");
    s->minHoleIn = read.positive("min-hole");
    s->maxDroopPercent = read.positive("max-droop").value_or(s->maxDroopPercent);
    s->resetVolts = read.positive("reset-volts");
  } else {
    auto& h = std::get<HallRequirement>(*req);
    h.turns = read.turns(h.turns);
    if (h.turns.highest > 10)
      throw UsageError(std::string(args.has("turns") ? "--turns" : "--turns-range") +
                       ": a Hall Effect design takes 1 to 10 primary turns");
    h.maxOdIn = read.positive("max-od");
    h.maxOffsetPercent = read.positive("max-offset").value_or(h.maxOffsetPercent);
    h.maxDriftPpmPerK = read.positive("max-drift").value_or(h.maxDriftPpmPerK);
  }
  return *req;
}

}  // namespace windara::cli
