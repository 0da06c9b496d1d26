#pragma once
// A whole program without a window: form, scripted dialogs and the reactions.

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "common/scripted_dialogs.h"
#include "support/support.h"

namespace windara::testing {

// A message box as the scripted dialogs record it.
inline DialogEvent messageEvent(std::string text, std::string title, Icon icon) {
  DialogEvent e;
  e.kind = DialogEvent::Kind::Message;
  e.title = std::move(title);
  e.text = std::move(text);
  e.icon = icon;
  return e;
}

struct Harness {
  explicit Harness(std::filesystem::path programDir = dataDir(),
                   NumberLocale locale = NumberLocale::period())
      : session(dialogs, std::move(programDir), locale), app(session) {}

  Form& form() { return session.form; }
  // Queues answers for the next input boxes.
  void answer(std::vector<std::string> answers) {
    for (auto& a : answers)
      dialogs.addAnswer(std::move(a));
  }
  const std::vector<DialogEvent>& events() const { return dialogs.events(); }

  ScriptedDialogs dialogs;
  Session session;
  App app;
};

}  // namespace windara::testing
