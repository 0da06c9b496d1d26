#pragma once
// A sweep written out: its points as CSV, its plot as PNG or SVG. Each file
// is replaced only by a complete new one.

#include <QString>

class QChartView;

namespace windara::gui {

// Lays out what the charts still have pending, so a drawing made now shows
// the plot as it stands.
void settleCharts();

// "" when written, else the reason.
QString saveCopy(const QString& path, const QString& source);
QString savePng(const QString& path, QChartView& view);
QString saveSvg(const QString& path, QChartView& view);

}  // namespace windara::gui
