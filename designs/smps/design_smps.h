#pragma once
#include "form/session.h"

namespace windara {
// Validates the SMPS inputs, finds the ferrite toroid and writes the results.
void DesignSMPS(Session& s);
}  // namespace windara
