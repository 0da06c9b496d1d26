#pragma once
// The explanation of the calculation the form's design type runs.

#include "designs/common/evaluation.h"
#include "form/session.h"

namespace windara {

// Tests the types in the order Calculate does, SMPS first, and explains that
// type's calculation on the form's inputs. With no type selected the
// explanation has an empty type and says why in a note. Traditional records
// that fit carry the accuracy class the engineering checks find for them.
Explanation explainDesign(const Session& s);

}  // namespace windara
