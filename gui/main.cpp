// Windara: the desktop program.

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <filesystem>

#include "app/app.h"
#include "gui/help_window.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_file_dialog.h"
#include "gui/qt_locale.h"
#include "gui/syncing_dialogs.h"
#include "gui/windara_window.h"

int main(int argc, char* argv[]) {
  using namespace windara;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kAppTitle));

  gui::QtDialogs qtDialogs;
  gui::SyncingDialogs dialogs(qtDialogs);
  Session session(dialogs,
                  std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
                  gui::numberLocaleFrom(QLocale::system()));
  gui::QtFileDialog fileDialog;
  session.cmnDialog1 = &fileDialog;
  gui::HelpWindow help;
  session.help = &help;

  // The program's own icon until a mode sets its own.
  const QIcon programIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/Windara.ico"));
  if (!programIcon.availableSizes().isEmpty()) QApplication::setWindowIcon(programIcon);

  App app(session);
  gui::WindaraWindow window(app, dialogs);
  qtDialogs.setParentWidget(&window);
  fileDialog.setParentWidget(&window);

  // The disclaimer comes before the window.
  app.Form_Load();
  window.show();
  return QApplication::exec();
}
