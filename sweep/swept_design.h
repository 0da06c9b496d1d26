#pragma once
// The design a sweep was run on: its type, material and thickness and the
// inputs it kept. A sweep's plot speaks of that design only; once the form
// holds another, the plot belongs to an earlier design.

#include "files/design_file.h"

namespace windara {

struct SweptDesign {
  DesignFileContents design;        // as the form held it when the sweep started
  TextBox Form::*varied = nullptr;  // the input the sweep varied
};

// The form's design as a sweep of `varied` would take it.
SweptDesign sweptDesign(const Form& form, TextBox Form::*varied);

// True while the form holds the swept design: the same type, material and
// thickness, and every input but the varied one the same number (or, where
// it is none, the same text).
bool formHolds(const Form& form, const SweptDesign& swept, const NumberLocale& locale);

}  // namespace windara
