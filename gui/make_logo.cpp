// Draws the logo pictures shipped in data/: windara_make_logo FOLDER
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "gui/logo.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: windara_make_logo FOLDER\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (int ratio : windara::gui::kLogoPictureRatios) {
    if (!windara::gui::drawLogo(ratio).save(
            folder.filePath(windara::gui::logoPictureName(ratio)))) {
      return 1;
    }
  }
  return 0;
}
