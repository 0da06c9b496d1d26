#include "common/scripted_dialogs.h"

namespace windara {

ScriptedDialogs::ScriptedDialogs(std::vector<std::string> answers)
    : answers_(answers.begin(), answers.end()) {}

void ScriptedDialogs::message(std::string_view text, std::string_view title, Icon icon) {
  DialogEvent e;
  e.kind = DialogEvent::Kind::Message;
  e.title = title;
  e.text = text;
  e.icon = icon;
  events_.push_back(std::move(e));
}

std::string ScriptedDialogs::input(std::string_view prompt, std::string_view title,
                                   std::string_view defaultText) {
  if (answers_.empty()) throw NoMoreAnswers(std::string(prompt));
  DialogEvent e;
  e.kind = DialogEvent::Kind::Input;
  e.title = title;
  e.text = prompt;
  e.defaultText = defaultText;
  e.answer = answers_.front();
  answers_.pop_front();
  events_.push_back(e);
  return e.answer;
}

}  // namespace windara
