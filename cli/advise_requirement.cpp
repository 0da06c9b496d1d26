#include "cli/advise_requirement.h"

#include <cmath>

#include "advise/advise.h"
#include "checks/accuracy_class.h"

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
    {"thinnest-awg", kTypeTraditional}, {"max-droop", kTypeSMPS},
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
    t->className = c == "any" ? "" : c;
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
