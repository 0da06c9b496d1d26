#pragma once
// The adviser's requirement as the user states it: one page of fields per design type, each
// with its unit and a tooltip. The quantities the form's design also holds follow the form
// until the user types in them; everything else keeps what the user last set.

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "advise/requirement.h"
#include "common/number.h"
#include "files/design_file.h"

class QComboBox;
class QLineEdit;
class QStackedWidget;

namespace windara::gui {

class RequirementForm : public QWidget {
  Q_OBJECT

 public:
  explicit RequirementForm(QWidget* parent = nullptr);

  // Shows the page of the design's type and fills the fields it states that the user has
  // not typed in; a design of no type shows an empty page.
  void follow(const DesignFileContents& design, const NumberLocale& locale);

  // The requirement the fields state, or what is wrong with the first field that is not
  // usable, naming it; an empty text when no type is shown.
  std::variant<Requirement, QString> requirement() const;

  // A field by its caption without the access key ("Burden"); null if the page has none.
  QLineEdit* field(int type, const QString& caption) const;
  QComboBox* classBox() const { return class_; }
  // The widgets that take the focus, in order, for the tab's tab order.
  std::vector<QWidget*> focusOrder() const;

  struct Field;

 signals:
  // Enter was pressed in a field.
  void submitted();

 private:
  QWidget* buildPage(int type);

  QStackedWidget* pages_;
  QComboBox* class_;
  std::map<int, std::vector<std::pair<const Field*, QLineEdit*>>> fields_;
  std::map<int, int> pageOf_;
  int type_ = 0;
  NumberLocale locale_ = NumberLocale::period();
  std::map<QLineEdit*, bool> typed_;
};

}  // namespace windara::gui
