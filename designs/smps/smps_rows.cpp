// One catalogue row judged against the SMPS requirements.

#include <limits>
#include <optional>

#include "common/checked.h"
#include "designs/smps/smps_engine.h"

namespace windara {

namespace {

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// A cell in arithmetic: nothing when it holds a text that is no number.
std::optional<double> cellNumber(const Cell& cell) {
  double v = 0.0;
  if (step([&] { v = cell.value(); })) return v;
  return std::nullopt;
}

}  // namespace

std::string smpsPartNumber(const FerriteTable& t, int row, const SmpsInputs& in) {
  return t.at(row, 14).generalText(in.locale) + in.grade.letter + "-" +
         t.at(row, 1).generalText(in.locale) + "-GX";
}

double smpsResidualId(double holeDia, float d) {
  return holeDia - static_cast<double>(toSingle(2.0 * d));
}

const Criterion* smpsCriterion(const RowEvaluation& e, const char* name) {
  for (const Criterion& k : e.criteria) {
    if (k.name == name) return &k;
  }
  return nullptr;
}

RowEvaluation evaluateSmpsRow(const SmpsInputs& in, const SmpsRequirements& req,
                              const FerriteTable& t, int row, Comparison inductance) {
  RowEvaluation e = judgeSmpsRow(in, req, t, row, inductance);
  e.part = smpsPartNumber(t, row, in);
  return e;
}

RowEvaluation judgeSmpsRow(const SmpsInputs& in, const SmpsRequirements& req, const FerriteTable& t,
                           int row, Comparison inductance) {
  RowEvaluation e;
  e.row = row;
  const std::optional<double> hole = cellNumber(t.at(row, 10));
  const std::optional<double> al = cellNumber(t.at(row, 7 + in.grade.index));
  std::optional<double> lact;
  if (al) step([&] { lact = checked(*al * 1e-6 * (static_cast<double>(in.N) * in.N)); });
  // Peak flux of a square wave V at f on N turns around the core's area.
  std::optional<float> B;
  step([&] { B = toSingle(divide(1e8 * in.V, 4.0 * t.at(row, 5).value() * in.f * in.N)); });

  e.criteria.reserve(5);
  e.criteria.push_back(
      judge(kSmpsWindingId, hole.value_or(kNoNumber), Comparison::Greater, req.IDreq));
  e.criteria.push_back(judge(kSmpsInductance, lact.value_or(kNoNumber), inductance, req.Lreq));
  // The end marker's 99999 and 999 stand for "no core large enough".
  e.criteria.push_back(
      judge(kSmpsAlSentinel, al.value_or(kNoNumber), Comparison::LessEqual, 99998));
  e.criteria.push_back(judge(kSmpsIdSentinel, hole.value_or(kNoNumber), Comparison::Less, 999));
  if (B) e.criteria.push_back(judge(kSmpsFlux, *B, Comparison::LessEqual, kSmpsSaturation));
  if (e.passes()) e.results = smpsRowResults(e, req);
  return e;
}

std::vector<Figure> smpsRowResults(const RowEvaluation& e, const SmpsRequirements& req) {
  std::vector<Figure> out;
  out.push_back({"Lact", smpsCriterion(e, kSmpsInductance)->value});
  if (const Criterion* b = smpsCriterion(e, kSmpsFlux)) out.push_back({"B", b->value});
  const double hole = smpsCriterion(e, kSmpsWindingId)->value;
  step([&] { out.push_back({"residual ID", smpsResidualId(hole, req.d)}); });
  return out;
}

}  // namespace windara
