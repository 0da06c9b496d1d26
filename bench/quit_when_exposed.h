#pragma once
// Ends a start-up timing run as soon as a window is on screen.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWindow>

namespace windara::bench {

// Watches the native window of `window` (which must be shown already) and
// quits the event loop once it is exposed. The quit is queued, so the expose
// event, with the first paint it brings, is handled in full before the loop
// ends. A window that never shows ends the program with status 1.
class QuitWhenExposed : public QObject {
 public:
  explicit QuitWhenExposed(QWindow* window) {
    window->installEventFilter(this);
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      done_ = true;
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool done_ = false;
};

}  // namespace windara::bench
