#pragma once
// The maker's logo, drawn at start so it stays sharp at any screen scale.

#include <QPixmap>

namespace windara::gui {

inline constexpr const char* kParentCompanyLine = "An Orvelle Magnetics company";

// The logo with the parent-company line beneath it, for a device pixel ratio.
QPixmap drawLogo(qreal devicePixelRatio);

// The logo is shipped as pictures drawn by drawLogo at these pixel ratios:
// OrvelleLogo.png, OrvelleLogo@2x.png, OrvelleLogo@3x.png.
inline constexpr int kLogoPictureRatios[] = {1, 2, 3};
QString logoPictureName(int ratio);

// The shipped picture of the logo for the screen (the nearest ratio at or
// above the screen's, scaled down when they differ): loading a picture is much
// cheaper at start than laying out its lettering. Draws the logo when the
// picture is missing.
QPixmap loadLogo(const QString& folder, qreal devicePixelRatio);

}  // namespace windara::gui
