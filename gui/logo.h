#pragma once
// The maker's logo, drawn at start so it stays sharp at any screen scale.

#include <QPixmap>

namespace windara::gui {

inline constexpr const char* kParentCompanyLine = "An Orvelle Magnetics company";

// The logo with the parent-company line beneath it, for a device pixel ratio.
QPixmap drawLogo(qreal devicePixelRatio);

}  // namespace windara::gui
