#include "sweep/sweep_runner.h"

#include <limits>

namespace windara {

namespace {

// Selects a button without running its reaction.
void check(Form& f, OptionButton& button) {
  for (OptionButton* b : f.group(button.group))
    b->selected = false;
  button.selected = true;
}

std::array<bool, 3> thickness(const Form& f) {
  return {f.opt1mil.selected, f.opt2mil.selected, f.opt4mil.selected};
}

}  // namespace

// Opening a design file selects its type (whose reaction calculates with the
// type's defaults), writes its texts, selects its material and thickness
// (whose reactions calculate with those texts) and calculates; pressing
// Calculate then calculates once more. A calculation reads only the input
// boxes and the choices, so two in a row on the same ones give the same texts
// and messages, and a point needs only these:
//
//  * the type's reaction: the same for every point, run once here;
//  * the material's reaction: its calculation is overwritten by the later
//    ones (at worst it differs in thickness, and a Traditional calculation
//    writes every box but the hidden txtAL, which it only ever empties, as it
//    is after the type's reaction); what it does besides, showing or hiding
//    thickness buttons and selecting 2 mil, does not depend on the texts and
//    is done once here;
//  * the thickness reaction, a calculation alone, Open's own calculation and
//    Calculate: one calculation with the file's choices;
//  * unless that calculation changed a choice (a core not made in 4 mil tape
//    selects 2 mil): then Calculate calculates once more, in 2 mil.
SweepRunner::SweepRunner(std::filesystem::path programDir, NumberLocale locale,
                         DesignFileContents design, std::shared_ptr<const CoreTables> tables,
                         std::shared_ptr<const MaterialsRead> materials)
    : session_(dialogs_, std::move(programDir), locale),
      app_(session_),
      design_(std::move(design)) {
  session_.tables = std::move(tables);
  session_.materials = std::move(materials);
  Form& f = session_.form;
  selectDesignType(f, design_.type);
  start_.emplace(f);
  if (!design_.holdsDesign()) return;
  if (OptionButton* material = materialButton(f, design_.material)) f.select(*material);
  if (OptionButton* button = thicknessButton(f, design_)) check(f, *button);
  choices_.emplace(f);
}

void SweepRunner::run(const std::vector<BoxValue>& values, SweepPoint& point) {
  Form& f = session_.form;
  start_->restore(f);
  if (design_.holdsDesign()) {
    for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k)
      (f.*kDesignFileBoxes[k]).text = design_.texts[k];
  }
  // A file without a design leaves the form as it was; the values are typed in.
  for (const BoxValue& v : values)
    (f.*v.box.box).text = v.text;

  point.invalid.reset();
  dialogs_.clear();
  try {
    if (choices_) choices_->restoreChoices(f);
    const auto before = thickness(f);
    app_.cmdCalculate_Click();
    if (thickness(f) != before) {
      dialogs_.clear();
      app_.cmdCalculate_Click();
    }
  } catch (const PointInvalid& e) {
    point.invalid = e.complaint;
  }

  point.messages = dialogs_.titles();
  for (std::size_t k = 0; k < kInputBoxes.size(); ++k)
    point.inputs[k] = (f.*kInputBoxes[k].box).text;
  for (std::size_t k = 0; k < kOutputBoxes.size(); ++k)
    point.outputs[k] = point.invalid ? std::string() : (f.*kOutputBoxes[k].box).text;
  point.found = !point.invalid && f.txtCore.text != "N/A";
  point.checks = point.found && keepChecks_ ? pointChecks(session_) : std::nullopt;
  if (keepUnrounded_ && point.found) {
    point.unrounded = unroundedOutputs(session_);
  } else {
    point.unrounded.fill(std::numeric_limits<double>::quiet_NaN());
  }
}

std::function<std::unique_ptr<SweepRunner>()> runnersSharingOneRead(
    const std::filesystem::path& programDir, const NumberLocale& locale,
    const DesignFileContents& design) {
  std::shared_ptr<const CoreTables> tables = readCoreTables(programDir);
  auto materials = std::make_shared<const MaterialsRead>(readMaterials(programDir));
  return
      [=] { return std::make_unique<SweepRunner>(programDir, locale, design, tables, materials); };
}

}  // namespace windara
