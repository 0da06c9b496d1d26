#pragma once
// The colours every verdict of the explorer wears beside its words: a pass is
// green, a fail red, the chosen core blue. Light backgrounds with dark text,
// so they read on a dark desktop theme too.

#include <QColor>
#include <QString>

namespace windara::gui {

struct VerdictColors {
  QColor background;
  QColor text;
};

inline VerdictColors passColors() {
  return {QColor(0xd4, 0xed, 0xda), QColor(0x0f, 0x51, 0x32)};
}
inline VerdictColors failColors() {
  return {QColor(0xf8, 0xd7, 0xda), QColor(0x84, 0x20, 0x29)};
}
inline VerdictColors chosenColors() {
  return {QColor(0xcf, 0xe2, 0xff), QColor(0x05, 0x2c, 0x65)};
}
inline VerdictColors warningColors() {
  return {QColor(0xff, 0xf3, 0xcd), QColor(0x66, 0x4d, 0x03)};
}

// A style sheet for a label in these colours.
inline QString labelStyle(const VerdictColors& c) {
  return QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid %2; padding: 6px; }")
      .arg(c.background.name(), c.text.name());
}

}  // namespace windara::gui
