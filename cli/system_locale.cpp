#include "cli/system_locale.h"

#include <QLocale>
#include <QString>

namespace windara::cli {

namespace {
// The separator as one plain byte, when it is one.
bool asciiChar(const QString& s, char& c) {
  if (s.size() != 1 || s[0].unicode() <= 0x20 || s[0].unicode() >= 0x7f) return false;
  c = static_cast<char>(s[0].unicode());
  return true;
}
}  // namespace

NumberLocale systemNumberLocale() {
  const QLocale system = QLocale::system();
  NumberLocale n = NumberLocale::period();
  char c;
  if (asciiChar(system.decimalPoint(), c)) n.decimal = c;
  // A space or a narrow space as thousands separator has no byte of its own.
  if (asciiChar(system.groupSeparator(), c) && c != n.decimal) {
    n.group = c;
  } else {
    n.group = n.decimal == ',' ? '.' : ',';
  }
  return n;
}

}  // namespace windara::cli
