#pragma once
#include "form/session.h"

namespace windara {
// Validates the Traditional inputs, finds the tape-wound toroid and writes the results.
void DesignTradCT(Session& s);
}  // namespace windara
