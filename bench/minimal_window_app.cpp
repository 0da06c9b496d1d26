// The smallest Qt Widgets program: shows one empty main window and exits once
// it is on screen. The yardstick for the start of Windara's window.

#include <QApplication>
#include <QMainWindow>

#include "bench/quit_when_exposed.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.show();
  windara::bench::QuitWhenExposed quit(window.windowHandle());
  return QApplication::exec();
}
