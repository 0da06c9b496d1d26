#include "cli/burden_option.h"

#include <algorithm>

namespace windara::cli {

BurdenOrder burdenOption(const ParsedArgs& args, const NumberLocale& locale) {
  std::string text = args.last("burden");
  std::replace(text.begin(), text.end(), locale.decimal, '.');
  const std::optional<BurdenOrder> burden = parseBurden(text);
  if (!burden)
    throw UsageError(
        "--burden: expected ohms (5ohm), VA at a power factor (2.5VA@0.8, or 2.5VA "
        "for the IEC power factor) or an IEEE standard burden (B-0.1, B-0.2, "
        "B-0.5, B-0.9, B-1.8, B-1, B-2, B-4, B-8), not '" +
        args.last("burden") + "'");
  return *burden;
}

}  // namespace windara::cli
