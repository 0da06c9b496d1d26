#pragma once
// The user's numeric conventions, as the system locale gives them.

#include "common/number.h"

namespace windara::cli {

// From LC_ALL, LC_NUMERIC or LANG, whether or not the system has that locale
// installed.
NumberLocale systemNumberLocale();

}  // namespace windara::cli
