#include "gui/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace windara::gui {

QString displayText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QWidget* QtDialogs::parentForBox() const {
  // The disclaimer comes before the window is shown: a hidden parent would
  // place the box off where the user looks.
  return parent_ && parent_->isVisible() ? parent_.data() : nullptr;
}

void QtDialogs::message(std::string_view text, std::string_view title, Icon icon) {
  QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                  displayText(title), displayText(text), QMessageBox::Ok, parentForBox());
  box.setObjectName("messageBox");
  box.exec();
}

std::string QtDialogs::input(std::string_view prompt, std::string_view title,
                             std::string_view defaultText) {
  QInputDialog box(parentForBox());
  box.setObjectName("inputBox");
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(displayText(title));
  box.setLabelText(displayText(prompt));
  box.setTextValue(displayText(defaultText));
  if (box.exec() != QDialog::Accepted) return {};
  return box.textValue().toStdString();
}

}  // namespace windara::gui
