#include "gui/checks_verdict.h"

#include <exception>

#include "checks/rating_words.h"
#include "checks/wording.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

VerdictColors ChecksVerdict::colors() const {
  switch (kind) {
    case Kind::Pass:
      return passColors();
    case Kind::Fail:
      return failColors();
    case Kind::NotChecked:
      break;
  }
  return warningColors();
}

ChecksVerdict checksVerdict(const std::optional<DesignChecks>& checks) {
  ChecksVerdict v;
  if (!checks) {
    v.statusLine = v.headline = QStringLiteral("No core chosen: nothing to check.");
    return v;
  }
  const DesignChecks& d = *checks;
  v.statusLine = q(d.statusLine);
  if (!d.available()) {
    v.headline = q(d.unavailable);
    if (v.statusLine.isEmpty()) v.statusLine = v.headline;
    return v;
  }
  QString words;
  if (d.trad) {
    v.kind = d.trad->verdict.className ? ChecksVerdict::Kind::Pass : ChecksVerdict::Kind::Fail;
    words = q(d.trad->classText);
  } else if (d.smps || d.hall) {
    const CheckSummary& s = d.smps ? d.smps->summary : d.hall->summary;
    v.kind = s.pass ? ChecksVerdict::Kind::Pass : ChecksVerdict::Kind::Fail;
    words = q(s.verdict);
  }
  const bool pass = v.kind == ChecksVerdict::Kind::Pass;
  v.headline = (pass ? QStringLiteral("PASS: ") : QStringLiteral("FAIL: ")) + words;
  return v;
}

ChecksVerdict ratingsVerdict(const Outcome<ChosenRatings>& ratings, RatingKind kind,
                             const NumberLocale& locale) {
  ChecksVerdict v;
  const QString family = QString::fromLatin1(ratingKindName(kind));
  if (!ratings.checks) {
    v.statusLine = v.headline = q(ratings.unavailable);
    return v;
  }
  QStringList held, judged, notJudged;
  for (const Rating& r : ratings.checks->ratings) {
    if (!r.holds) {
      notJudged << q(r.note);
    } else {
      judged << q(ratingVerdictText(r, locale));
      if (*r.holds && r.rating)
        held << (r.kind == "PX" ? QStringLiteral("Ek %1 V, needed %2 V")
                                      .arg(q(readable(r.kneeVolts, locale)),
                                           q(readable(r.requiredKneeVolts, locale)))
                                : q(*r.rating));
    }
  }
  if (!held.isEmpty()) {
    v.kind = ChecksVerdict::Kind::Pass;
    v.headline = QStringLiteral("PASS: %1: %2").arg(family, held.join(QStringLiteral(", ")));
  } else if (!judged.isEmpty()) {
    v.kind = ChecksVerdict::Kind::Fail;
    judged.removeDuplicates();
    v.headline = QStringLiteral("FAIL: %1: %2").arg(family, judged.join(QStringLiteral("; ")));
  } else {
    v.headline = QStringLiteral("%1: %2").arg(family, notJudged.join(QStringLiteral("; ")));
  }
  v.statusLine = v.headline;
  return v;
}

std::optional<DesignChecks> checksOf(const Session& session) {
  try {
    return checkDesign(session);
  } catch (const std::exception& e) {
    // The checks only read; a fault in them must not take the form down.
    DesignChecks d;
    d.unavailable = d.statusLine = std::string("cannot check: ") + e.what();
    return d;
  }
}

}  // namespace windara::gui
