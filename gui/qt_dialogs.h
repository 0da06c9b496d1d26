#pragma once
// Message and input boxes on Qt.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/ports.h"

namespace windara::gui {

// Texts join their lines with "\r"; Qt breaks lines at "\n".
QString displayText(std::string_view text);

class QtDialogs : public Dialogs {
 public:
  // The boxes are centred over this widget once it is on screen.
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  void message(std::string_view text, std::string_view title, Icon icon) override;
  std::string input(std::string_view prompt, std::string_view title,
                    std::string_view defaultText) override;

 private:
  QWidget* parentForBox() const;
  QPointer<QWidget> parent_;
};

}  // namespace windara::gui
