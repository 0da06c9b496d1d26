#pragma once
// What the checks of the chosen core say at a glance, in words and colour:
// the same for the main window's status bar and the explorer's Checks tab.

#include <QString>
#include <optional>

#include "app/design_checks.h"
#include "app/rating_choice.h"
#include "gui/verdict_style.h"

namespace windara::gui {

struct ChecksVerdict {
  enum class Kind { Pass, Fail, NotChecked };
  Kind kind = Kind::NotChecked;
  QString statusLine;  // the checks' own one line, or why there are none
  QString headline;    // "PASS: ...", "FAIL: ...", or the reason

  VerdictColors colors() const;
};

// A Traditional core passes when it reaches a class; SMPS and Hall cores when
// every check holds. No checks (no core, no material data) is neither.
ChecksVerdict checksVerdict(const std::optional<DesignChecks>& checks);

// Ratings of a family pass when one of them holds, and fail when all that are judged fail;
// none judged (class PX without Kx) is neither. Unavailable ratings say why.
ChecksVerdict ratingsVerdict(const Outcome<ChosenRatings>& ratings, RatingKind kind,
                             const NumberLocale& locale);

// The checks of the form's design, as checkDesign gives them; a fault while
// checking comes back as checks that say why they are unavailable.
std::optional<DesignChecks> checksOf(const Session& session);

}  // namespace windara::gui
