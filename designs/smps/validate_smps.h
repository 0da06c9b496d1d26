#pragma once
#include "form/session.h"

namespace windara {
// Makes the six SMPS inputs usable numbers, asking the user for each bad one.
void ValidateSMPS(Session& s);
}  // namespace windara
