#pragma once
// The form's input and output boxes under the names scripts know them by (the
// controls' own names, in the order `windara-cli design --json` lists them).

#include <array>
#include <optional>
#include <string_view>

#include "form/form.h"

namespace windara {

struct NamedBox {
  const char* name;
  TextBox Form::*box;
};

inline constexpr std::array<NamedBox, 6> kInputBoxes{{
    {"txtVoltage", &Form::txtVoltage},
    {"txtFrequency", &Form::txtFrequency},
    {"txtPriCurrent", &Form::txtPriCurrent},
    {"txtCurDens", &Form::txtCurDens},
    {"txtRatio", &Form::txtRatio},
    {"txtDutyCyc", &Form::txtDutyCyc},
}};

inline constexpr std::array<NamedBox, 12> kOutputBoxes{{
    {"txtRequiredL", &Form::txtRequiredL},
    {"txtWireSize", &Form::txtWireSize},
    {"txtCore", &Form::txtCore},
    {"txtActualL", &Form::txtActualL},
    {"txtResID", &Form::txtResID},
    {"txtPartNum", &Form::txtPartNum},
    {"txtID", &Form::txtID},
    {"txtOD", &Form::txtOD},
    {"txtHt", &Form::txtHt},
    {"txtAe", &Form::txtAe},
    {"txtle", &Form::txtle},
    {"txtAL", &Form::txtAL},
}};

// The input box of that name, or nothing.
std::optional<NamedBox> inputBoxNamed(std::string_view name);

}  // namespace windara
