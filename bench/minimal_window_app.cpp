// The smallest Qt Widgets program: shows one empty main window and exits once
// it is on screen. The yardstick for the start of Windara's window. With the
// argument "label" the window holds one line of text, which shows what the
// first text of any window costs (the font database and one font).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

#include "bench/quit_when_exposed.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  if (argc > 1 && std::strcmp(argv[1], "label") == 0)
    window.setCentralWidget(new QLabel(QStringLiteral("Windara")));
  window.show();
  windara::bench::QuitWhenExposed quit(window.windowHandle());
  return QApplication::exec();
}
