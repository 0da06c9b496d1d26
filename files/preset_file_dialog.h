#pragma once
// A file dialog that answers with a path given in advance (or a cancel): for
// the command line and for tests.

#include <optional>
#include <string>

#include "common/ports.h"

namespace windara {

class PresetFileDialog : public FileDialog {
 public:
  PresetFileDialog() = default;
  explicit PresetFileDialog(std::optional<std::string> answer) : answer(std::move(answer)) {}

  // What the next dialog returns; nothing means the user cancels.
  std::optional<std::string> answer;
  int savesShown = 0;
  int opensShown = 0;

  std::optional<std::string> showSave() override {
    ++savesShown;
    return choose();
  }
  std::optional<std::string> showOpen() override {
    ++opensShown;
    return choose();
  }

 private:
  std::optional<std::string> choose() {
    // A real dialog remembers the name the user chose, not a cancel.
    if (answer) fileName = *answer;
    return answer;
  }
};

}  // namespace windara
