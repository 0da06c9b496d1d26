#include "cli/check_command.h"

#include <ostream>

#include "app/design_checks.h"
#include "app/design_ratings.h"
#include "cli/burden_option.h"
#include "cli/checks_json.h"
#include "cli/checks_text.h"
#include "cli/ratings_json.h"
#include "cli/ratings_text.h"

namespace windara::cli {

namespace {

// A factor above 0, with the locale's decimal separator or a period, or a UsageError naming
// the option and what it takes.
double factorOption(const ParsedArgs& args, const std::string& name, const char* accepted,
                    const NumberLocale& locale) {
  const std::string text = args.last(name);
  std::optional<double> value = parseNumber(text, locale);
  if (!value) value = parseNumber(text, NumberLocale::period());
  if (!value || !(*value > 0))
    throw UsageError("--" + name + ": expected " + accepted + ", not '" + text + "'");
  return *value;
}

// The ratings asked for, or none when no rating option is given.
std::optional<RatingRequest> ratingRequest(const ParsedArgs& args, const NumberLocale& locale) {
  if (!args.has("standard") && !args.has("burden") && !args.has("alf") && !args.has("kx"))
    return std::nullopt;
  RatingRequest request;
  if (args.has("standard")) {
    const std::string s = args.last("standard");
    if (s == "iec")
      request.standards = Standards::Iec;
    else if (s == "ieee")
      request.standards = Standards::Ieee;
    else if (s != "all")
      throw UsageError("--standard: expected iec, ieee or all, not '" + s + "'");
  }
  if (args.has("burden")) request.burden = burdenOption(args, locale);
  if (args.has("alf"))
    request.alf =
        factorOption(args, "alf", "an accuracy limit factor above 0 (5, 10, 15, 20, 30)", locale);
  if (args.has("kx"))
    request.kx = factorOption(args, "kx", "a dimensioning factor above 0 (1.5)", locale);
  return request;
}

}  // namespace

int runCheck(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  std::optional<RatingRequest> rating;
  try {
    request = parseDesignRequest(
        argv, {{"json", false}, {"standard", true}, {"burden", true}, {"alf", true}, {"kx", true}},
        env);
    rating = ratingRequest(request.args, env.locale);
  } catch (const UsageError& e) {
    env.err << "windara-cli: check: " << e.what() << "\nTry 'windara-cli --help'.\n";
    return kExitUsage;
  }
  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    const Session& s = program.session();
    std::optional<Outcome<std::vector<Rating>>> ratings;
    if (rating) ratings = rateDesign(s, *rating);
    if (request.args.has("json")) {
      std::optional<std::string> list;
      if (rating) list = ratings && ratings->checks ? ratingsJson(*ratings->checks, 2) : "null";
      env.out << checksJson(checkDesign(s), 0, list) << "\n";
      return kExitOk;
    }
    writeChecksText(env.out, checkDesign(s), s.locale);
    if (rating) writeRatingsText(env.out, ratings, s.locale);
    return kExitOk;
  });
}

}  // namespace windara::cli
