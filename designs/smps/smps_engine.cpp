// The SMPS searches over the row evaluations: the first hole that takes the
// winding, then from there the first core with enough inductance.

#include <cmath>

#include "designs/smps/smps_engine.h"

namespace windara {

namespace {

bool passes(const RowEvaluation& e, const char* name) {
  return smpsCriterion(e, name)->pass;
}

// An AL above the sentinel's limit stops the inductance search as the end
// marker does; an AL that is no number does not.
bool alAboveLimit(const RowEvaluation& e) {
  const Criterion& al = *smpsCriterion(e, kSmpsAlSentinel);
  return !al.pass && !std::isnan(al.value);
}

}  // namespace

SmpsOutcome searchSmps(const SmpsInputs& in, const SmpsRequirements& req, const FerriteTable& t) {
  SmpsOutcome out;
  auto evaluate = [&](int row, Comparison inductance) {
    return judgeSmpsRow(in, req, t, row, inductance);
  };

  // The end marker (or the last row) stops the walk whatever IDreq is. The
  // core it stops on may meet Lreq exactly.
  int i = 1;
  RowEvaluation e = evaluate(i, Comparison::GreaterEqual);
  while (!passes(e, kSmpsWindingId) && !t.isEndMarker(i) && i < kFerriteRows)
    e = evaluate(++i, Comparison::GreaterEqual);
  out.holeRow = i;
  out.row = i;
  if (t.isEndMarker(i)) {
    out.stop = SmpsStop::CoreTooLarge;
    return out;
  }

  // Later cores must exceed Lreq; rows are only ever taken forward.
  if (!passes(e, kSmpsInductance)) {
    while (!t.isEndMarker(i) && i < kFerriteRows) {
      e = evaluate(++i, Comparison::Greater);
      if (passes(e, kSmpsInductance) || alAboveLimit(e)) break;
    }
  }
  out.row = i;
  out.Lact = smpsCriterion(e, kSmpsInductance)->value;
  if (alAboveLimit(e) || t.isEndMarker(i)) {
    out.stop = SmpsStop::InductanceTooLarge;
    return out;
  }

  // B that cannot be worked out is not checked.
  if (const Criterion* b = smpsCriterion(e, kSmpsFlux)) {
    out.B = static_cast<float>(b->value);
    if (!b->pass) {
      out.stop = SmpsStop::Saturated;
      return out;
    }
    out.nearSaturation = b->value > kSmpsNearSaturation;
  }
  out.holeDia = smpsCriterion(e, kSmpsWindingId)->value;
  if (!passes(e, kSmpsIdSentinel)) out.stop = SmpsStop::UnusableRow;
  return out;
}

}  // namespace windara
