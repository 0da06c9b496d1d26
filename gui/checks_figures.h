#pragma once
// The figures behind the SMPS and Hall verdicts, one line each, for the
// explorer's Checks tab.

#include <QStringList>

#include "checks/hall_checks.h"
#include "checks/smps_checks.h"
#include "common/number.h"

namespace windara::gui {

QStringList smpsFigures(const SmpsChecks& c, const NumberLocale& locale);
QStringList hallFigures(const HallChecks& c, const NumberLocale& locale);

}  // namespace windara::gui
