#pragma once
// Dialogs that bring the window up to date before any box is shown, so a
// message appears over the form exactly as the model has it at that moment.

#include <functional>
#include <string>
#include <string_view>

#include "common/ports.h"

namespace windara::gui {

class SyncingDialogs : public Dialogs {
 public:
  explicit SyncingDialogs(Dialogs& inner) : inner_(inner) {}

  void message(std::string_view text, std::string_view title, Icon icon) override {
    if (beforeShow) beforeShow();
    inner_.message(text, title, icon);
  }
  std::string input(std::string_view prompt, std::string_view title,
                    std::string_view defaultText) override {
    if (beforeShow) beforeShow();
    return inner_.input(prompt, title, defaultText);
  }

  std::function<void()> beforeShow;

 private:
  Dialogs& inner_;
};

}  // namespace windara::gui
