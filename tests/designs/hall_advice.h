#pragma once
// The Hall advice read back as a user acts on it: the box to change (or the
// material to choose), the value to type into it, and the core it promises.

#include <optional>
#include <string>
#include <utility>

#include "form/form.h"

namespace windara::testing {

struct HallAdvice {
  TextBox Form::*box = nullptr;  // none for a change of material
  int material = -1;             // 0..2 for a change of material
  bool atMost = false;
  std::string value;  // as typed
  std::string part;   // the core the search then takes
};

inline std::optional<HallAdvice> parseHallAdvice(const std::string& advice) {
  const std::pair<const char*, TextBox Form::*> boxes[] = {
      {"sensor output ", &Form::txtVoltage}, {"sensor thickness ", &Form::txtDutyCyc},
      {"sensitivity ", &Form::txtFrequency}, {"primary current ", &Form::txtPriCurrent},
      {"primary turns ", &Form::txtRatio},   {"conductor size ", &Form::txtCurDens}};
  const char* const materials[] = {"material Ovimax ", "material Zendra ", "material ferrite "};
  const auto core = advice.find("(core ");
  const auto close = advice.find(')', core);
  if (core == std::string::npos || close == std::string::npos) return std::nullopt;
  HallAdvice a;
  a.part = advice.substr(core + 6, close - core - 6);
  const std::string head = advice.substr(0, core);
  for (int m = 0; m < 3; ++m) {
    if (head == materials[m]) {
      a.material = m;
      return a;
    }
  }
  for (const auto& [name, box] : boxes) {
    const std::string n = name;
    if (head.rfind(n, 0) != 0) continue;
    std::string rest = head.substr(n.size());
    if (rest.rfind("at most ", 0) == 0) {
      a.atMost = true;
      rest = rest.substr(8);
    } else if (rest.rfind("at least ", 0) == 0) {
      rest = rest.substr(9);
    } else {
      return std::nullopt;
    }
    a.box = box;
    a.value = rest.substr(0, rest.find(' '));
    return a;
  }
  return std::nullopt;
}

// Types the advised value into its box, or chooses the advised material, by
// setting the form directly (selecting would run the reactions).
inline void applyHallAdvice(Form& f, const HallAdvice& a) {
  if (a.box) {
    (f.*(a.box)).text = a.value;
    return;
  }
  auto buttons = f.group(Group::Material);
  for (int i = 0; i < 3; ++i)
    buttons[static_cast<std::size_t>(i)]->selected = i == a.material;
}

}  // namespace windara::testing
