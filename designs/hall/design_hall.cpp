#include "designs/hall/design_hall.h"

namespace windara {
void DesignHall(Session& /*s*/) {}
}  // namespace windara
