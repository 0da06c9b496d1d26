#include "sweep/sweep_runner.h"

#include <algorithm>

namespace windara {

SweepRunner::SweepRunner(std::filesystem::path programDir, NumberLocale locale,
                         DesignFileContents design, std::shared_ptr<const CoreTables> tables)
    : session_(dialogs_, std::move(programDir), locale),
      app_(session_),
      design_(std::move(design)) {
  session_.tables = std::move(tables);
  // Opening a file first switches to its type, whose reaction calculates with
  // that type's defaults; this part is the same for every point, so it runs
  // once and each point starts from the form it leaves.
  selectDesignType(session_.form, design_.type);
  start_.emplace(session_.form);
}

void SweepRunner::run(const std::vector<BoxValue>& values, SweepPoint& point) {
  Form& f = session_.form;
  start_->restore(f);
  DesignFileContents typed = design_;
  for (const BoxValue& v : values) {
    const auto at = std::find(kDesignFileBoxes.begin(), kDesignFileBoxes.end(), v.box.box);
    typed.texts[static_cast<std::size_t>(at - kDesignFileBoxes.begin())] = v.text;
  }

  point.invalid.reset();
  dialogs_.clear();
  try {
    // The rest of opening: the texts, material and thickness (whose
    // reactions calculate), then the calculation of Open itself.
    applyDesign(f, typed);
    // A file without a design leaves the form as it was; the value is typed in.
    if (!typed.holdsDesign())
      for (const BoxValue& v : values)
        (f.*v.box.box).text = v.text;
    // Pressing Calculate after opening gives the same texts and messages as
    // Open's own calculation: a calculation reads only the inputs and the
    // choices, and the one choice it can change (a core not made in 4 mil tape
    // selects 2 mil) the thickness selection's calculation has changed already.
    dialogs_.clear();
    app_.cmdCalculate_Click();
  } catch (const PointInvalid& e) {
    point.invalid = e.complaint;
  }

  point.messages = dialogs_.titles();
  for (std::size_t k = 0; k < kInputBoxes.size(); ++k)
    point.inputs[k] = (f.*kInputBoxes[k].box).text;
  for (std::size_t k = 0; k < kOutputBoxes.size(); ++k)
    point.outputs[k] = point.invalid ? std::string() : (f.*kOutputBoxes[k].box).text;
  point.found = !point.invalid && f.txtCore.text != "N/A";
}

}  // namespace windara
