#pragma once
// Pieces shared by the three designs: the re-entry prompts of validation, the
// no-design state and the report of an unusable core table.

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

// "N/A" in the core, part number, area and path length boxes, every other
// result box empty; the residual ID box only where the mode has it.
void writeNoDesign(Form& f, bool residualId);

// Tells the user a core table could not be used ("Core Table", critical icon).
void reportTableProblem(Session& s, const std::string& fileName, const std::string& problem);

}  // namespace windara
