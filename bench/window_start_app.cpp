// Windara's start-up, step for step as the program does it, ending once the
// window is on screen. Only the start-up disclaimer differs: it is answered
// at once without being shown, since nobody is there to press OK.

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <filesystem>

#include "app/app.h"
#include "bench/quit_when_exposed.h"
#include "gui/help_window.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_file_dialog.h"
#include "gui/qt_locale.h"
#include "gui/syncing_dialogs.h"
#include "gui/windara_window.h"

namespace {

// Passes every box on to the real dialogs except the first message, the
// disclaimer, which counts as confirmed at once.
class DisclaimerConfirmed : public windara::Dialogs {
 public:
  explicit DisclaimerConfirmed(windara::Dialogs& inner) : inner_(inner) {}
  void message(std::string_view text, std::string_view title, windara::Icon icon) override {
    if (!confirmed_) {
      confirmed_ = true;
      return;
    }
    inner_.message(text, title, icon);
  }
  std::string input(std::string_view prompt, std::string_view title,
                    std::string_view defaultText) override {
    return inner_.input(prompt, title, defaultText);
  }

 private:
  windara::Dialogs& inner_;
  bool confirmed_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  using namespace windara;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kAppTitle));

  gui::QtDialogs qtDialogs;
  DisclaimerConfirmed disclaimerConfirmed(qtDialogs);
  gui::SyncingDialogs dialogs(disclaimerConfirmed);
  Session session(dialogs,
                  std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
                  gui::numberLocaleFrom(QLocale::system()));
  gui::QtFileDialog fileDialog;
  session.cmnDialog1 = &fileDialog;
  gui::HelpWindow help;
  session.help = &help;

  const QIcon programIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/Windara.ico"));
  if (!programIcon.availableSizes().isEmpty()) QApplication::setWindowIcon(programIcon);

  App app(session);
  gui::WindaraWindow window(app, dialogs);
  qtDialogs.setParentWidget(&window);
  fileDialog.setParentWidget(&window);

  app.Form_Load();
  window.show();
  bench::QuitWhenExposed quit(window.windowHandle());
  return QApplication::exec();
}
