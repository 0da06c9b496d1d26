#include "designs/common/design_common.h"

#include <cmath>
#include <limits>
#include <optional>

namespace windara {

std::string invalidEntryPrompt(std::string_view complaint, std::string_view request) {
  std::string p(complaint);
  p += "\r\r";
  p += request;
  return p;
}

namespace {
template <class Passes>
void askWhile(Session& s, TextBox& box, std::string_view complaint, std::string_view request,
              std::string_view defaultText, Passes passes) {
  // The prompt is put together only when it is shown: inputs are checked at
  // every calculation, and a sweep runs many of them.
  while (!passes(parseNumber(box.text, s.locale))) {
    box.text =
        s.dialogs.input(invalidEntryPrompt(complaint, request), "Invalid Entry", defaultText);
  }
}
}  // namespace

void askWhileNotNumeric(Session& s, TextBox& box, std::string_view complaint,
                        std::string_view request, std::string_view defaultText) {
  askWhile(s, box, complaint, request, defaultText,
           [](std::optional<double> v) { return v.has_value(); });
}

void askWhileNotPositive(Session& s, TextBox& box, std::string_view complaint,
                         std::string_view request, std::string_view defaultText) {
  askWhile(s, box, complaint, request, defaultText,
           [](std::optional<double> v) { return v && *v > 0.0; });
}

void askWhileOutOfRange(Session& s, TextBox& box, double lowExclusive, double highInclusive,
                        std::string_view complaint, std::string_view request,
                        std::string_view defaultText) {
  askWhile(s, box, complaint, request, defaultText,
           [&](std::optional<double> v) { return v && *v > lowExclusive && *v <= highInclusive; });
}

bool fitsSingle(double v) {
  const double size = std::fabs(v);
  return size == 0.0 || (size >= static_cast<double>(std::numeric_limits<float>::min()) &&
                         size <= static_cast<double>(std::numeric_limits<float>::max()));
}

void askUntilFitsSingle(Session& s, TextBox& box, std::string_view request,
                        std::string_view defaultText, const std::function<void()>& checks) {
  for (;;) {
    checks();
    const std::optional<double> v = parseNumber(box.text, s.locale);
    if (v && fitsSingle(*v)) return;
    box.text = s.dialogs.input(invalidEntryPrompt(kOutOfSingleRange, request), "Invalid Entry",
                               defaultText);
  }
}

void writeNoDesign(Form& f, bool residualId) {
  f.txtRequiredL.text = "";
  f.txtWireSize.text = "";
  f.txtCore.text = "N/A";
  f.txtActualL.text = "";
  if (residualId) f.txtResID.text = "";
  f.txtPartNum.text = "N/A";
  f.txtID.text = "";
  f.txtOD.text = "";
  f.txtHt.text = "";
  f.txtAL.text = "";
  f.txtAe.text = "N/A";
  f.txtle.text = "N/A";
}

void reportTableProblem(Session& s, const std::string& fileName, const std::string& problem) {
  const std::string path = (s.programDir / fileName).string();
  s.dialogs.message("The core table " + path + " cannot be used:\r" + problem + ".\r" +
                        "No design can be calculated until the file is repaired.",
                    "Core Table", Icon::Critical);
}

}  // namespace windara
