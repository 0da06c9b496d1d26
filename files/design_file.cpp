#include "files/design_file.h"

namespace windara {
void mnuSaveAs_Click(App& /*app*/) {}
void mnuOpen_Click(App& /*app*/) {}
}  // namespace windara
