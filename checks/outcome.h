#pragma once
// The result of a check, or why there is none.

#include <optional>
#include <string>
#include <utility>

namespace windara {

// How much a check works out: everything, or only its figures, without the texts that
// describe them and, for a Traditional core, without the largest burden and the turns
// compensation. The figures alone serve many designs in a row (a sweep).
enum class CheckDetail { Full, Figures };

template <class Checks>
struct Outcome {
  std::optional<Checks> checks;
  // Empty when checks holds a value; otherwise "material data unavailable: ..." or
  // "cannot check: ...".
  std::string unavailable;

  static Outcome done(Checks c) { return {std::move(c), {}}; }
  static Outcome none(std::string why) { return {std::nullopt, std::move(why)}; }
};

}  // namespace windara
