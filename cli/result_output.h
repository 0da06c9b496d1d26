#pragma once
// The result of a design run: the form's choices, inputs and outputs, and
// every box that was shown, as JSON or as a readable listing.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/design_checks.h"
#include "common/scripted_dialogs.h"
#include "form/form.h"

namespace windara::cli {

// A JSON string literal: quotes, backslashes and control characters escaped,
// bytes from 0x80 up passed through as they are.
std::string jsonString(std::string_view text);

// `checks` is the design's "checks" key: null when there is no core to check.
void writeJson(std::ostream& out, Form& form, const std::vector<DialogEvent>& events,
               const std::optional<DesignChecks>& checks = std::nullopt);
void writeListing(std::ostream& out, Form& form, const std::vector<DialogEvent>& events);

}  // namespace windara::cli
