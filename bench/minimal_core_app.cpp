// The smallest Qt program: starts a QCoreApplication, runs its event loop
// once round and exits. The yardstick for windara-cli's start and end.

#include <QCoreApplication>
#include <QMetaObject>

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QMetaObject::invokeMethod(&application, &QCoreApplication::quit, Qt::QueuedConnection);
  return QCoreApplication::exec();
}
