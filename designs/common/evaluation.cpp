#include "designs/common/evaluation.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace windara {

const char* comparisonSymbol(Comparison c) {
  switch (c) {
    case Comparison::Greater:
      return ">";
    case Comparison::GreaterEqual:
      return ">=";
    case Comparison::Less:
      return "<";
    case Comparison::LessEqual:
      return "<=";
    case Comparison::NotEqual:
      return "!=";
  }
  return "?";
}

bool compare(double value, Comparison c, double limit) {
  switch (c) {
    case Comparison::Greater:
      return value > limit;
    case Comparison::GreaterEqual:
      return value >= limit;
    case Comparison::Less:
      return value < limit;
    case Comparison::LessEqual:
      return value <= limit;
    case Comparison::NotEqual:
      return value != limit;
  }
  return false;
}

Criterion judge(std::string name, double value, Comparison c, double limit) {
  Criterion k;
  k.name = std::move(name);
  k.value = value;
  k.limit = limit;
  k.comparison = c;
  k.pass = compare(value, c, limit);
  const bool lowerBound = c == Comparison::Greater || c == Comparison::GreaterEqual;
  const double num = lowerBound || c == Comparison::NotEqual ? value : limit;
  const double den = lowerBound || c == Comparison::NotEqual ? limit : value;
  if (den != 0.0 && std::isfinite(num) && std::isfinite(den)) k.margin = num / den - 1.0;
  if (c == Comparison::NotEqual) k.margin = std::fabs(k.margin);
  return k;
}

bool RowEvaluation::passes() const {
  return std::all_of(criteria.begin(), criteria.end(), [](const Criterion& k) { return k.pass; });
}

}  // namespace windara
