#include "gui/startup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "gui/qt_locale.h"

namespace windara::gui {

Program::Program(const std::filesystem::path& programDir)
    : session_(dialogs_, programDir, numberLocaleFrom(QLocale::system())),
      app_(session_),
      window_(app_, dialogs_) {
  session_.cmnDialog1 = &fileDialog_;
  session_.help = &help_;
  // The program's own icon until a mode sets its own.
  const QIcon programIcon(QString::fromStdString((programDir / "Windara.ico").string()));
  if (!programIcon.availableSizes().isEmpty()) QApplication::setWindowIcon(programIcon);
  qtDialogs_.setParentWidget(&window_);
  fileDialog_.setParentWidget(&window_);
}

void Program::start() {
  // The disclaimer comes before the window.
  app_.Form_Load();
  window_.show();
}

}  // namespace windara::gui
