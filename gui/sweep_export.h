#pragma once
// A sweep written out: its points as CSV, its plot as PNG or SVG. Each file
// is replaced only by a complete new one.

#include <QString>

class QChartView;
class QWidget;

namespace windara::gui {

// Lays out what the charts still have pending, so a drawing made now shows
// the plot as it stands.
void settleCharts();

// The path with the extension of the filter ("CSV Files (*.csv)") added when
// its name has none, as Save Design As does: "sweep_bmax" is "sweep_bmax.csv".
QString withFilterExtension(const QString& path, const QString& filter);

// Asks where to save an export, with the filter's extension for a name typed
// without one, starting at `suggested` when given; "" when the user cancels.
QString askSavePath(QWidget* parent, const QString& title, const QString& filter,
                    const QString& suggested = QString());

// "" when written, else the reason.
QString saveCopy(const QString& path, const QString& source);
QString savePng(const QString& path, QChartView& view);
QString saveSvg(const QString& path, QChartView& view);

}  // namespace windara::gui
