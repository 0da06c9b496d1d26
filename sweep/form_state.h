#pragma once
// What a calculation and the material and thickness choices can change on the
// form: every box's text and visibility, the option buttons' selection and
// visibility, and the wire resistance. Taken once and put back before each
// point of a sweep, so that every point starts from the same form. (Captions
// and the icon change only with the design type, which a sweep keeps.)

#include <array>
#include <string>

#include "form/form.h"

namespace windara {

class FormState {
 public:
  explicit FormState(Form& form);
  void restore(Form& form) const;
  // Only the option buttons' selection and visibility.
  void restoreChoices(Form& form) const;

 private:
  struct Box {
    std::string text;
    bool visible = true;
  };
  struct Button {
    bool selected = false;
    bool visible = true;
  };
  std::array<Box, 18> boxes_;
  std::array<Button, 9> buttons_;
  float wireOhms_ = 0;
};

}  // namespace windara
