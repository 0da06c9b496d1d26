#include "designs/hall/hall_engine.h"

#include <limits>

#include "common/checked.h"

namespace windara {

namespace {

// A cell as a number, or nothing when it holds a text that is no number.
std::optional<double> number(const HallTable& table, int row, int column) {
  std::optional<double> v;
  step([&] { v = table.at(row, column).value(); });
  return v;
}

// A criterion the row cannot be shown to pass: a cell it needs is no number.
Criterion unreadable(const char* name, Comparison c, double limit) {
  Criterion k = judge(name, 0.0, c, limit);
  k.pass = false;
  k.margin = 0.0;
  return k;
}

// Why the gap of a row cannot be computed, as the criterion it fails.
Criterion noGap(const HallCarry& k, double limit) {
  if (k.mue == 0.0f) return judge("mue", k.mue, Comparison::Greater, 0.0);
  if (k.mu == 0.0f) return judge("mu", k.mu, Comparison::Greater, 0.0);
  // Beyond the range of a single.
  Criterion gap = judge(hall_criterion::kGap,
                        (1.0 / static_cast<double>(k.mue) - 1.0 / static_cast<double>(k.mu)) *
                            k.pathLength * kInchesPerCm,
                        Comparison::LessEqual, limit);
  gap.pass = false;
  return gap;
}

using Failure = HallRowCheck::Failure;

// The gap tests: lg within column 8, the radial wall and the height each at
// least twice lg.
Failure fitTests(const HallTable& table, int row, double limit, HallRowCheck& c) {
  std::vector<Criterion>& k = c.eval.criteria;
  const double twice = 2.0 * static_cast<double>(c.gap);
  k.push_back(judge(hall_criterion::kGap, c.gap, Comparison::LessEqual, limit));
  const std::optional<double> id = number(table, row, 2), od = number(table, row, 3),
                              ht = number(table, row, 4);
  if (id && od) {
    k.push_back(judge(hall_criterion::kWall, (*od - *id) / 2.0, Comparison::GreaterEqual, twice));
  } else {
    k.push_back(unreadable(hall_criterion::kWall, Comparison::GreaterEqual, twice));
    c.problems.emplace_back(
        "column 2 or 3 is no number, so its wall cannot be shown to take the gap");
  }
  if (ht) {
    k.push_back(judge(hall_criterion::kHeight, *ht, Comparison::GreaterEqual, twice));
  } else {
    k.push_back(unreadable(hall_criterion::kHeight, Comparison::GreaterEqual, twice));
    c.problems.emplace_back("column 4 is no number, so its height cannot be shown to take the gap");
  }
  if (!k[k.size() - 3].pass) return Failure::GapTooLong;
  if (!k[k.size() - 2].pass || !k.back().pass) return Failure::WallOrHeight;
  return Failure::None;
}

}  // namespace

std::optional<float> hallSensitivityRange(const HallInputs& in, float flux) {
  std::optional<float> range;
  step([&] {
    range = toSingle(divide(static_cast<double>(in.turns) * in.current, static_cast<double>(flux)));
  });
  return range;
}

HallRequirements hallRequirements(const HallInputs& in) {
  const HallMaterial& m = hallMaterial(in.material.value());
  HallRequirements req;
  req.fluxLimit = m.fluxLimit;
  req.firstRow = m.group.firstRow;
  req.thickness = in.thickness;
  step([&] { req.flux = toSingle(divide(1e6 * in.vout, in.sensitivity)); });
  // A stack too wide to hold in a single is wider than any core: no core takes it.
  if (!step([&] { req.stack = toSingle(static_cast<double>(in.turns) * in.conductor); }))
    req.stack = std::numeric_limits<float>::max();
  return req;
}

HallRowCheck checkHallRow(const HallInputs& in, const HallRequirements& req, const HallTable& table,
                          int row, int closing, float need, const HallCarry& carry,
                          const NumberLocale& loc) {
  HallRowCheck c;
  c.eval.row = row;
  c.eval.part = table.at(row, 1).generalText(loc);
  c.carry = carry;
  std::vector<Criterion>& k = c.eval.criteria;
  const std::optional<double> limit = sizeLimit(table, row);
  if (row == closing) {
    k.push_back(
        judge(hall_criterion::kClosing, limit.value_or(0.0), Comparison::Less, kHallClosingMark));
    c.failure = Failure::Closing;
    return c;
  }

  if (limit) {
    k.push_back(judge(hall_criterion::kSizeLimit, *limit, Comparison::GreaterEqual, need));
  } else {
    k.push_back(unreadable(hall_criterion::kSizeLimit, Comparison::GreaterEqual, need));
    c.problems.emplace_back("column 8 is no number, so the search passes over it");
  }
  k.push_back(judge(hall_criterion::kFlux, req.flux, Comparison::LessEqual, req.fluxLimit));

  HallCarry& v = c.carry;
  if (!step([&] { v.pathLength = toSingle(table.at(row, 6).value()); }))
    c.problems.emplace_back("column 6 is no number; the path length before it is used");
  step([&] {
    v.mue =
        toSingle(divide(static_cast<double>(req.flux) * v.pathLength,
                        kHallGilbertsPerAmpereTurn * in.turns * static_cast<double>(in.current)));
  });
  if (!step([&] { v.mu = toSingle(table.at(row, 7).value()); }))
    c.problems.emplace_back("column 7 is no number; the permeability before it is used");

  float computed = 0.0f;
  const bool haveGap = step([&] {
    computed = toSingle((divide(1.0, v.mue) - divide(1.0, v.mu)) * v.pathLength * kInchesPerCm);
  });
  Failure fit = Failure::NoGap;
  if (haveGap) {
    c.gap = computed;
    // The sensor has to go into the gap, with a little room to spare; mue
    // stays the one the flux asks for.
    if (c.gap < in.thickness)
      step([&] { c.gap = toSingle(static_cast<double>(in.thickness) + kHallSensorRoom); });
    fit = fitTests(table, row, limit.value_or(0.0), c);
  } else {
    k.push_back(noGap(v, limit.value_or(0.0)));
  }

  if (!k[0].pass) {
    c.failure = Failure::SizeLimit;
  } else if (!k[1].pass) {
    c.failure = Failure::Flux;
  } else {
    c.failure = fit;
  }
  if (c.eval.passes()) {
    c.eval.results = std::vector<Figure>{{"le", v.pathLength},
                                         {"mu", v.mu},
                                         {"mue", v.mue},
                                         {"lg computed", computed},
                                         {"lg", c.gap}};
    if (const std::optional<float> range = hallSensitivityRange(in, req.flux))
      c.eval.results->push_back({"sensitivity range", *range});
  }
  return c;
}

RowEvaluation evaluateHallRow(const HallInputs& in, const HallRequirements& req,
                              const HallTable& table, int row, int closing, float need,
                              const HallCarry& carry, const NumberLocale& loc) {
  return checkHallRow(in, req, table, row, closing, need, carry, loc).eval;
}

}  // namespace windara
