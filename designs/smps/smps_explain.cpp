// Every ferrite core up to the end marker judged against the SMPS
// requirements, the core the design takes, and the outcome in words.

#include <cmath>
#include <string>

#include "designs/smps/smps_advice.h"
#include "designs/smps/smps_engine.h"
#include "designs/smps/smps_text.h"
#include "designs/tables/core_tables.h"
#include "form/session.h"

namespace windara {

namespace {

std::string rowName(const FerriteTable& t, int row, const SmpsInputs& in) {
  return "row " + std::to_string(row) + " (" + smpsPartNumber(t, row, in) + ")";
}

void wireNotes(std::vector<std::string>& notes, const SmpsRequirements& req) {
  if (req.clamp == WireClamp::RaisedTo12) {
    notes.push_back(
        "The current density asks for a wire thicker than gauge 12, the thickest in "
        "the wire table: gauge 12 is used and carries " +
        std::to_string(req.Jact) + " A/sq cm.");
  } else if (req.clamp == WireClamp::LoweredTo42) {
    notes.emplace_back(
        "The current density asks for a wire thinner than gauge 42, the thinnest in "
        "the wire table: gauge 42 is used.");
  }
}

// How the hole search and the inductance search ended, in words.
void searchNotes(std::vector<std::string>& notes, const SmpsInputs& in, const SmpsRequirements& req,
                 const FerriteTable& t, const SmpsOutcome& out,
                 const std::vector<RowEvaluation>& rows) {
  const NumberLocale& loc = in.locale;
  auto num = [&](double v) { return smpsNumberText(v, loc); };
  const RowEvaluation& at = rows[static_cast<std::size_t>(out.row - 1)];
  if (out.stop == SmpsStop::CoreTooLarge) {
    notes.push_back("No core before the end marker in row " + std::to_string(out.row) +
                    " has a winding ID above IDreq (" + num(req.IDreq) +
                    " in): the design stops with Required Core Too Large.");
    return;
  }
  std::string hole = rowName(t, out.holeRow, in);
  hole[0] = 'R';
  notes.push_back(hole + " is the first core whose winding ID is above IDreq (" + num(req.IDreq) +
                  " in).");
  if (out.row != out.holeRow || out.stop == SmpsStop::InductanceTooLarge) {
    const double first =
        smpsCriterion(rows[static_cast<std::size_t>(out.holeRow - 1)], kSmpsInductance)->value;
    std::string walk = std::isfinite(first) ? "Its AL x N^2 (" + num(first) +
                                                  " mH) is short of Lreq (" + num(req.Lreq) + " mH)"
                                            : std::string("Its AL is no number");
    walk += ", so the inductance search goes on";
    if (out.stop != SmpsStop::InductanceTooLarge) {
      walk += " to " + rowName(t, out.row, in) + ", the first core after it above Lreq.";
    } else if (t.isEndMarker(out.row)) {
      walk += ", and no core up to the end marker in row " + std::to_string(out.row) +
              " is above Lreq: the design stops with Required L Too Large.";
    } else {
      walk += " to row " + std::to_string(out.row) + ", whose AL (" +
              num(smpsCriterion(at, kSmpsAlSentinel)->value) +
              ") above 99998 ends it as the end marker does: the design stops with Required L "
              "Too Large.";
    }
    notes.push_back(walk);
  }
  if (out.stop == SmpsStop::InductanceTooLarge) return;

  const Criterion* b = smpsCriterion(at, kSmpsFlux);
  if (!b) {
    notes.push_back("B cannot be worked out for row " + std::to_string(out.row) +
                    ", so the core is not checked for saturation.");
  } else if (out.stop == SmpsStop::Saturated) {
    notes.push_back("B in row " + std::to_string(out.row) + " is " + num(b->value) +
                    " G, above 3,300 G: the core saturates and the design stops with Core "
                    "Saturation.");
  } else if (out.nearSaturation) {
    notes.push_back("B in row " + std::to_string(out.row) + " is " + num(b->value) +
                    " G, above 3,000 G: the design warns that the core is approaching "
                    "saturation.");
  }
  if (out.stop == SmpsStop::UnusableRow) {
    notes.push_back("Row " + std::to_string(out.row) +
                    " has no winding ID below 999: the design shows no core and no message.");
  } else if (out.stop == SmpsStop::None && !smpsCriterion(at, kSmpsWindingId)->pass) {
    notes.push_back("Row " + std::to_string(out.row) + " is taken although its winding ID (" +
                    num(smpsCriterion(at, kSmpsWindingId)->value) +
                    " in) is not above IDreq: the inductance search does not look at the hole "
                    "again, and the table's winding IDs do not ascend.");
  }
}

}  // namespace

Explanation explainSmps(const SmpsInputs& in, const FerriteTable& t) {
  Explanation x;
  x.type = "SMPS";
  x.table = kFerriteFile;
  const SmpsRequirements req = smpsRequirements(in);
  x.requirements = smpsRequirementFigures(req);
  wireNotes(x.notes, req);
  if (!t.ok()) {
    x.notes.push_back(std::string(kFerriteFile) + " cannot be used: " + t.problem +
                      ". No design can be calculated until the file is repaired.");
    return x;
  }

  const SmpsOutcome out = searchSmps(in, req, t);
  for (int row = 1; row <= t.endMarkerRow; ++row) {
    // The core the hole search stops on, and any before it, may meet Lreq exactly.
    const Comparison inductance =
        row <= out.holeRow ? Comparison::GreaterEqual : Comparison::Greater;
    RowEvaluation e = evaluateSmpsRow(in, req, t, row, inductance);
    if (out.stop == SmpsStop::None && row == out.row) {
      e.chosen = true;
      if (!e.results) e.results = smpsRowResults(e, req);
      x.chosenRow = row;
    }
    x.rows.push_back(std::move(e));
  }
  searchNotes(x.notes, in, req, t, out, x.rows);
  if (x.chosenRow) {
    x.notes.push_back("The design takes " + rowName(t, *x.chosenRow, in) + ".");
  } else {
    x.nearest = smpsNearest(in, req, t, out, x.rows, x.notes);
  }
  return x;
}

Explanation explainSmps(const Session& s) {
  return explainSmps(readSmpsInputs(s.form, s.locale), *ferriteTable(s));
}

}  // namespace windara
