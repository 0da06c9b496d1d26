#pragma once
#include "form/session.h"

namespace windara {
// Validates the Hall-effect inputs, finds the gapped core and writes the results.
void DesignHall(Session& s);
}  // namespace windara
