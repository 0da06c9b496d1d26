#include "designs/smps/design_smps.h"

namespace windara {
void DesignSMPS(Session& /*s*/) {}
}  // namespace windara
