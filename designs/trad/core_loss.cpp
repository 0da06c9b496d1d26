#include "designs/trad/core_loss.h"

#include "common/checked.h"

namespace windara {

namespace {
struct LawRow {
  int alloy;
  int mils;
  CoreLossLaw law;
};

constexpr LawRow kLaws[] = {
    {1, 2, {0.012, 1.03, 1.6}},           {1, 4, {0.00204, 1.3, 2.01}},
    {2, 2, {0.00010151, 1.4789, 1.6018}}, {2, 4, {0.000281, 1.57, 1.95}},
    {3, 1, {0.000111684, 1.35, 1.91}},    {3, 2, {0.000081266, 1.48, 2.15}},
};
}  // namespace

std::optional<CoreLossLaw> coreLossLaw(int alloy, int mils) {
  for (const LawRow& row : kLaws) {
    if (row.alloy == alloy && row.mils == mils) return row.law;
  }
  return std::nullopt;
}

double coreLossWatts(const CoreLossLaw& law, double f, double B, double volume, double density) {
  return checked(law.k * power(f, law.a) * power(B, law.b) * volume * density);
}

}  // namespace windara
