#include "sweep/form_state.h"

#include "sweep/named_boxes.h"

namespace windara {

namespace {

constexpr Group kGroups[] = {Group::DesignType, Group::Material, Group::Thickness};

// The input boxes, then the output boxes.
constexpr std::array<TextBox Form::*, 18> kBoxes = [] {
  std::array<TextBox Form::*, 18> all{};
  std::size_t k = 0;
  for (const NamedBox& b : kInputBoxes)
    all[k++] = b.box;
  for (const NamedBox& b : kOutputBoxes)
    all[k++] = b.box;
  return all;
}();

}  // namespace

FormState::FormState(Form& form) : wireOhms_(form.WireOhms) {
  for (std::size_t k = 0; k < kBoxes.size(); ++k)
    boxes_[k] = {(form.*kBoxes[k]).text, (form.*kBoxes[k]).visible};
  std::size_t k = 0;
  for (Group g : kGroups)
    for (OptionButton* b : form.group(g))
      buttons_[k++] = {b->selected, b->visible};
}

void FormState::restore(Form& form) const {
  for (std::size_t k = 0; k < kBoxes.size(); ++k) {
    (form.*kBoxes[k]).text = boxes_[k].text;
    (form.*kBoxes[k]).visible = boxes_[k].visible;
  }
  form.WireOhms = wireOhms_;
  restoreChoices(form);
}

void FormState::restoreChoices(Form& form) const {
  // Set directly, not selected: a selection would run its reaction.
  std::size_t k = 0;
  for (Group g : kGroups)
    for (OptionButton* b : form.group(g)) {
      b->selected = buttons_[k].selected;
      b->visible = buttons_[k++].visible;
    }
}

}  // namespace windara
