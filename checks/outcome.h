#pragma once
// The result of a check, or why there is none.

#include <optional>
#include <string>
#include <utility>

namespace windara {

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
