#pragma once
// Dialogs answered from a script, recording every box shown: for tests and
// for the command-line tool.

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/ports.h"

namespace windara {

struct DialogEvent {
  enum class Kind { Message, Input };
  Kind kind = Kind::Message;
  std::string title;
  std::string text;  // message text, or input prompt
  Icon icon = Icon::None;
  std::string defaultText;
  std::string answer;
  bool operator==(const DialogEvent&) const = default;
};

// An input box was shown and the script had no answer left.
struct NoMoreAnswers : std::runtime_error {
  explicit NoMoreAnswers(std::string prompt)
      : std::runtime_error("no answer left for the prompt: " + prompt), prompt(std::move(prompt)) {}
  std::string prompt;
};

class ScriptedDialogs : public Dialogs {
 public:
  ScriptedDialogs() = default;
  explicit ScriptedDialogs(std::vector<std::string> answers);

  void addAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
  void message(std::string_view text, std::string_view title, Icon icon) override;
  std::string input(std::string_view prompt, std::string_view title,
                    std::string_view defaultText) override;

  const std::vector<DialogEvent>& events() const { return events_; }
  void clear() { events_.clear(); }
  std::size_t answersLeft() const { return answers_.size(); }

 private:
  std::deque<std::string> answers_;
  std::vector<DialogEvent> events_;
};

}  // namespace windara
