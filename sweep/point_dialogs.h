#pragma once
// The dialogs of a sweep point's calculation: message boxes are recorded, not
// shown, and an input box is never asked: the prompt's complaint ends the
// point as invalid.

#include <string>
#include <vector>

#include "common/ports.h"

namespace windara {

// Thrown where the calculation would ask for an input again.
struct PointInvalid {
  std::string complaint;  // the prompt's text before its blank line
};

class PointDialogs : public Dialogs {
 public:
  void message(std::string_view text, std::string_view title, Icon icon) override;
  [[noreturn]] std::string input(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) override;

  // The titles of the message boxes since the last clear(), in order.
  const std::vector<std::string>& titles() const { return titles_; }
  void clear() { titles_.clear(); }

 private:
  std::vector<std::string> titles_;
};

}  // namespace windara
