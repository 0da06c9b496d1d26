#pragma once
// The desktop program as it starts: the session on the Qt boxes, the window
// and the ports it uses. Needs a QApplication.

#include <filesystem>

#include "app/app.h"
#include "gui/help_window.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_file_dialog.h"
#include "gui/syncing_dialogs.h"
#include "gui/windara_window.h"

namespace windara::gui {

class Program {
 public:
  // `programDir` holds the core tables, icons and help file.
  explicit Program(const std::filesystem::path& programDir);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The disclaimer, then the window once the user has confirmed it.
  void start();

  Session& session() { return session_; }
  WindaraWindow& window() { return window_; }

 private:
  QtDialogs qtDialogs_;
  SyncingDialogs dialogs_{qtDialogs_};
  Session session_;
  QtFileDialog fileDialog_;
  HelpWindow help_;
  App app_;
  WindaraWindow window_;
};

}  // namespace windara::gui
