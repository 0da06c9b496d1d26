#pragma once
// Pieces shared by the three designs: the re-entry prompts of validation, the
// no-design state and the report of an unusable core table.

#include <functional>
#include <string>
#include <string_view>

#include "form/session.h"

namespace windara {

// Every re-entry prompt: complaint, an empty line, request; titled "Invalid Entry".
std::string invalidEntryPrompt(std::string_view complaint, std::string_view request);

// While the box's text is not numeric, asks with the prompt and writes the
// answer into the box.
void askWhileNotNumeric(Session& s, TextBox& box, std::string_view complaint,
                        std::string_view request, std::string_view defaultText);

// While the box's text is not a number greater than zero, asks with the prompt
// and writes the answer into the box. A non-numeric answer is asked for again
// with the same prompt.
void askWhileNotPositive(Session& s, TextBox& box, std::string_view complaint,
                         std::string_view request, std::string_view defaultText);

// While the box's text is not a number with low < value <= high, asks.
// A non-numeric answer is asked for again with the same prompt.
void askWhileOutOfRange(Session& s, TextBox& box, double lowExclusive, double highInclusive,
                        std::string_view complaint, std::string_view request,
                        std::string_view defaultText);

// The complaint for a number the calculation cannot hold in single precision.
inline constexpr const char* kOutOfSingleRange =
    "This entry is too large or too small for the calculation, which holds numbers from about "
    "1.2E-38 to 3.4E+38 in size.";

// Zero, or a magnitude the calculation holds without overflow or underflow.
bool fitsSingle(double v);

// Runs `checks` (the box's own re-entry loops), then, while the number is too
// large or too small to calculate with, asks with its own complaint and the
// box's request, and runs `checks` on the answer again.
void askUntilFitsSingle(Session& s, TextBox& box, std::string_view request,
                        std::string_view defaultText, const std::function<void()>& checks);

// "N/A" in the core, part number, area and path length boxes, every other
// result box empty; the residual ID box only where the mode has it.
void writeNoDesign(Form& f, bool residualId);

// Tells the user a core table could not be used ("Core Table", critical icon).
void reportTableProblem(Session& s, const std::string& fileName, const std::string& problem);

}  // namespace windara
