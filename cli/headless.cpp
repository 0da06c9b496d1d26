#include "cli/headless.h"

namespace windara::cli {

HeadlessProgram::HeadlessProgram(std::filesystem::path programDir, NumberLocale locale,
                                 std::vector<std::string> answers)
    : dialogs_(std::move(answers)),
      session_(dialogs_, std::move(programDir), locale),
      app_(session_) {
  session_.cmnDialog1 = &fileDialog_;
}

FileOutcome HeadlessProgram::open(const std::string& path) {
  fileDialog_.answer = path;
  openedPath_ = path;
  return mnuOpen_Click(app_);
}

FileOutcome HeadlessProgram::save(const std::string& path) {
  fileDialog_.answer = path;
  return mnuSaveAs_Click(app_);
}

bool runModeReaction(HeadlessProgram& program, const std::string& mode) {
  Form& f = program.form();
  OptionButton* button = mode == "smps"   ? &f.optSMPS
                         : mode == "trad" ? &f.optTradCT
                         : mode == "hall" ? &f.optHall
                                          : nullptr;
  if (!button) return false;
  if (button->selected) {
    // The start state already shows this mode, but not its reaction's defaults.
    if (button->onClick) button->onClick();
  } else {
    f.select(*button);
  }
  return true;
}

}  // namespace windara::cli
