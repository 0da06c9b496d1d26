#pragma once
// The user's numeric conventions, taken from a Qt locale.

#include <QLocale>

#include "common/number.h"

namespace windara::gui {

// Separators the core can work with: single ASCII characters, and never the
// same character for both.
NumberLocale numberLocaleFrom(const QLocale& locale);

}  // namespace windara::gui
