// Windara: the desktop program.

#include <QApplication>
#include <filesystem>

#include "gui/startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(windara::kAppTitle));
  QApplication::setOrganizationName(QString::fromLatin1(windara::kAppTitle));
  windara::gui::Program program(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
  program.start();
  return QApplication::exec();
}
