#pragma once
// A sweep written out: its points as CSV, its plot as PNG or SVG. Each file
// is replaced only by a complete new one.

#include <QString>
#include <string>

class QChartView;

namespace windara::gui {

// "" when written, else the reason.
QString saveText(const QString& path, const std::string& text);
QString savePng(const QString& path, QChartView& view);
QString saveSvg(const QString& path, QChartView& view);

}  // namespace windara::gui
