#pragma once
// Saving a design's inputs to a small text file and opening it again.

#include "app/app.h"

namespace windara {

// Save Design As: writes the mode, the six input texts, the material and (for
// Traditional) the thickness to the file chosen in the session's file dialog.
void mnuSaveAs_Click(App& app);

// Open Design: restores mode, inputs and choices from a chosen file, then
// recalculates.
void mnuOpen_Click(App& app);

}  // namespace windara
