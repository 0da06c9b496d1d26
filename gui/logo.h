#pragma once
// The maker's logo, drawn at start so it stays sharp at any screen scale.

#include <QPixmap>

namespace windara::gui {

inline constexpr const char* kParentCompanyLine = "An Orvelle Magnetics company";

// The logo with the parent-company line beneath it, for a device pixel ratio.
QPixmap drawLogo(qreal devicePixelRatio);

// The pixel ratio at which the logo is shipped as a picture.
inline constexpr qreal kLogoPictureRatio = 3.0;

// The shipped picture of the logo (drawn by drawLogo at kLogoPictureRatio)
// scaled for the screen: loading it is much cheaper at start than laying out
// its lettering. Draws the logo when the picture is missing.
QPixmap loadLogo(const QString& pictureFile, qreal devicePixelRatio);

}  // namespace windara::gui
