#pragma once
// A whole window on a scripted dialog double: an input box the test did not
// expect throws at once instead of waiting for a user.

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "common/scripted_dialogs.h"
#include "gui/syncing_dialogs.h"
#include "gui/windara_window.h"

namespace windara::gui::testing {

// Scripted dialogs that can look at the window when a box comes up.
class ProbeDialogs : public ScriptedDialogs {
 public:
  void message(std::string_view text, std::string_view title, Icon icon) override {
    if (onShow) onShow();
    ScriptedDialogs::message(text, title, icon);
  }
  std::string input(std::string_view prompt, std::string_view title,
                    std::string_view defaultText) override {
    if (onShow) onShow();
    return ScriptedDialogs::input(prompt, title, defaultText);
  }
  std::function<void()> onShow;
};

struct WindowFixture {
  // `programDir` holds the core tables the designs read.
  explicit WindowFixture(const std::filesystem::path& programDir = WINDARA_PROGRAM_DIR)
      : session(dialogs, programDir, NumberLocale::period()), app(session), window(app, dialogs) {
    window.onActionError = [this](const std::string& why) { errors.push_back(why); };
  }

  Form& form() { return session.form; }
  template <class T = QWidget>
  T* widget(const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }

  // Everything the form shows, as the window mirrors it, with what the window
  // cannot show: the wire resistance and the count of calculations.
  QString formState() {
    window.sync();
    QStringList parts;
    for (QWidget* w : window.findChildren<QWidget*>()) {
      if (w->window() != &window || w->objectName().isEmpty()) continue;
      QString s = w->objectName() + (w->isHidden() ? " hidden" : " shown");
      if (auto* box = qobject_cast<QLineEdit*>(w)) s += " text=" + box->text();
      if (auto* label = qobject_cast<QLabel*>(w)) s += " caption=" + label->text();
      if (auto* button = qobject_cast<QAbstractButton*>(w))
        s += " caption=" + button->text() + (button->isChecked() ? " on" : " off");
      parts << s;
    }
    parts << QString("WireOhms=%1").arg(double(form().WireOhms), 0, 'g', 9)
          << QString("calculations=%1").arg(app.calculations())
          << QString("boxes shown=%1").arg(scripted.events().size());
    return parts.join('\n');
  }

  ProbeDialogs scripted;
  SyncingDialogs dialogs{scripted};
  Session session;
  App app;
  WindaraWindow window;
  std::vector<std::string> errors;
};

// Writes a design file as the program would read it; false when it cannot.
inline bool writeDesignFile(const QString& path, const QByteArray& text) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// Clicks a button where its label is, as a user would.
inline void clickOn(QAbstractButton* button) {
  QPoint at(button->height() / 2, button->height() / 2);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Wraps a button's reaction so a test can count how often it runs.
inline void countReactions(OptionButton& button, int& counter) {
  auto original = button.onClick;
  button.onClick = [&counter, original] {
    ++counter;
    if (original) original();
  };
}

}  // namespace windara::gui::testing
