#pragma once
// The whole program without a window: the designed start state, dialogs
// answered from a list, and a file dialog that answers with given paths.

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "common/scripted_dialogs.h"
#include "files/design_file.h"
#include "files/preset_file_dialog.h"

namespace windara::cli {

class HeadlessProgram {
 public:
  HeadlessProgram(std::filesystem::path programDir, NumberLocale locale,
                  std::vector<std::string> answers = {});

  Form& form() { return session_.form; }
  Session& session() { return session_; }
  App& app() { return app_; }
  const std::vector<DialogEvent>& events() const { return dialogs_.events(); }
  std::size_t answersLeft() const { return dialogs_.answersLeft(); }

  // Open Design and Save Design As with the dialog answering `path`.
  // NoMoreAnswers escapes when a prompt finds no answer left.
  FileOutcome open(const std::string& path);
  FileOutcome save(const std::string& path);
  // The file the last open() read.
  const std::string& openedPath() const { return openedPath_; }

 private:
  ScriptedDialogs dialogs_;
  PresetFileDialog fileDialog_;
  Session session_;
  App app_;
  std::string openedPath_;
};

// Selects a mode by its command-line name ("smps", "trad", "hall") as a click
// would, running its reaction even where the button is already selected.
// False for an unknown name.
bool runModeReaction(HeadlessProgram& program, const std::string& mode);

}  // namespace windara::cli
