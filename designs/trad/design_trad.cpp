#include "designs/trad/design_trad.h"

namespace windara {
void DesignTradCT(Session& /*s*/) {}
}  // namespace windara
