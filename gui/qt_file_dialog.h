#pragma once
// The common file dialog on QFileDialog.

#include <QFileDialog>
#include <QPointer>
#include <QStringList>

#include "common/ports.h"

namespace windara::gui {

inline const QString kAllDesignsFilter = QStringLiteral("Windara Designs (*.tct *.hef *.sps)");

// The folder of the design file last opened or saved (kept between runs).
QString lastDesignFolder();
void rememberDesignFolder(const QString& file);

// "Desc|pattern|Desc|pattern" as Qt name filters ("Desc (pattern)"); "*.*"
// means every file, and several patterns are separated by ';'.
QStringList qtNameFilters(const std::string& filter);

// Puts the dialog's settings (filters, preselected entry, default suffix,
// overwrite question, remembered file name) on a QFileDialog.
void configureFileDialog(QFileDialog& dialog, const FileDialog& settings,
                         QFileDialog::AcceptMode mode);

class QtFileDialog : public FileDialog {
 public:
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> showSave() override { return show(QFileDialog::AcceptSave); }
  std::optional<std::string> showOpen() override { return show(QFileDialog::AcceptOpen); }

 private:
  std::optional<std::string> show(QFileDialog::AcceptMode mode);
  QPointer<QWidget> parent_;
};

}  // namespace windara::gui
