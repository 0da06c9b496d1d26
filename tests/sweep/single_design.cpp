#include "sweep/single_design.h"

#include "files/design_file.h"
#include "support/harness.h"
#include "sweep/named_boxes.h"

namespace windara::testing {

std::string DesignSpec::fileText() const {
  std::string text = std::to_string(type) + "\r\n";
  for (const std::string& t : texts)
    text += "\"" + t + "\"\r\n";
  text += std::to_string(material) + "\r\n";
  if (type == 2) text += std::to_string(thickness) + "\r\n";
  return text;
}

SingleDesign openAndCalculate(const DesignSpec& spec, const NumberLocale& locale,
                              const std::vector<std::pair<std::string, std::string>>& typed) {
  TempDir dir;
  const auto file = dir.write("design.txt", spec.fileText());
  Harness h(dataDir(), locale);
  SingleDesign single;
  try {
    openDesignFile(h.app, file.string());
    if (spec.type < 2 || spec.type > 4) {
      for (const auto& [name, text] : typed)
        h.form().*(inputBoxNamed(name)->box) = TextBox{text, true, {}};
    }
    h.dialogs.clear();
    h.app.cmdCalculate_Click();
  } catch (const NoMoreAnswers& e) {
    single.invalid = e.prompt.substr(0, e.prompt.find("\r\r"));
  }
  for (std::size_t k = 0; k < kInputBoxes.size(); ++k)
    single.inputs[k] = (h.form().*kInputBoxes[k].box).text;
  for (std::size_t k = 0; k < kOutputBoxes.size(); ++k)
    single.outputs[k] = single.invalid ? "" : (h.form().*kOutputBoxes[k].box).text;
  // A calculation checks its inputs before it shows any message, so the one
  // that would ask shows none.
  if (!single.invalid)
    for (const DialogEvent& e : h.events())
      if (e.kind == DialogEvent::Kind::Message) single.titles.push_back(e.title);
  if (!single.invalid && h.form().txtCore.text != "N/A") single.checks = pointChecks(h.session);
  return single;
}

}  // namespace windara::testing
