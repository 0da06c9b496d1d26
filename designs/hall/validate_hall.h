#pragma once
#include "form/session.h"

namespace windara {
// Asks again, box by box, until the six Hall inputs hold numbers greater than
// zero and the primary turns round to a usable whole number.
void ValidateHall(Session& s);
}  // namespace windara
