#include "sweep/form_state.h"

#include "sweep/named_boxes.h"

namespace windara {

namespace {

// Calls `visitBox(box, k)` for the input and output boxes and
// `visitButton(button, k)` for the option buttons, each counted from 0.
template <class VisitBox, class VisitButton>
void eachControl(Form& form, VisitBox visitBox, VisitButton visitButton) {
  std::size_t k = 0;
  for (const NamedBox& b : kInputBoxes)
    visitBox(form.*b.box, k++);
  for (const NamedBox& b : kOutputBoxes)
    visitBox(form.*b.box, k++);
  k = 0;
  for (Group g : {Group::DesignType, Group::Material, Group::Thickness})
    for (OptionButton* button : form.group(g))
      visitButton(*button, k++);
}

}  // namespace

FormState::FormState(Form& form) : wireOhms_(form.WireOhms) {
  eachControl(
      form,
      [&](const TextBox& b, std::size_t k) {
        boxes_[k] = {b.text, b.visible};
      },
      [&](const OptionButton& b, std::size_t k) {
        buttons_[k] = {b.selected, b.visible};
      });
}

void FormState::restore(Form& form) const {
  // Set directly, not selected: a selection would run its reaction.
  eachControl(
      form,
      [&](TextBox& b, std::size_t k) {
        b.text = boxes_[k].text;
        b.visible = boxes_[k].visible;
      },
      [&](OptionButton& b, std::size_t k) {
        b.selected = buttons_[k].selected;
        b.visible = buttons_[k].visible;
      });
  form.WireOhms = wireOhms_;
}

}  // namespace windara
