#pragma once
// The design files opened or saved last, newest first, kept between runs.

#include <QStringList>

namespace windara::gui {

inline constexpr int kRecentDesigns = 6;

QStringList recentDesigns();
// Puts `path` first (once), keeping at most kRecentDesigns.
void addRecentDesign(const QString& path);
void removeRecentDesign(const QString& path);

}  // namespace windara::gui
