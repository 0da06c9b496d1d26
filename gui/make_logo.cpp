// Draws the logo picture shipped in data/: windara_make_logo OUT.png
#include <QGuiApplication>
#include <cstdio>

#include "gui/logo.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: windara_make_logo OUT.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  return windara::gui::drawLogo(windara::gui::kLogoPictureRatio)
                 .save(QString::fromLocal8Bit(argv[1]))
             ? 0
             : 1;
}
