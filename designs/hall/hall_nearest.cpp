// Advice from the closed forms of each row's input ranges. A range is tried
// on the search before it is offered, since a gap raised at an earlier row
// can still pass the row over, and the quantities are singles.

#include "designs/hall/hall_nearest.h"

#include "designs/common/design_common.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "common/checked.h"
#include "designs/hall/hall_input_span.h"

namespace windara {

namespace {

struct BoxInfo {
  HallBox box;
  const char* name;
  const char* unit;
};
const BoxInfo kInfo[] = {
    {HallBox::SensorOutput, "sensor output", " V"}, {HallBox::Thickness, "sensor thickness", " mm"},
    {HallBox::Sensitivity, "sensitivity", " mV/G"}, {HallBox::Current, "primary current", " A"},
    {HallBox::Turns, "primary turns", ""},          {HallBox::Conductor, "conductor size", " in"},
};

const BoxInfo& info(HallBox box) {
  return kInfo[static_cast<int>(box)];
}

// A value as typed into a box: `digits` significant digits, rounded towards
// the inside of the range so that the value typed still fits.
std::string typed(double v, int digits, bool up, bool whole, const NumberLocale& loc) {
  int decimals = 0;
  if (whole) {
    v = up ? std::ceil(v) : std::floor(v);
  } else {
    const int exponent = static_cast<int>(std::floor(std::log10(v)));
    const double scale = std::pow(10.0, digits - 1 - exponent);
    v = (up ? std::ceil(v * scale) : std::floor(v * scale)) / scale;
    decimals = std::max(0, digits - 1 - exponent);
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string text = buf;
  std::replace(text.begin(), text.end(), '.', loc.decimal);
  return text;
}

struct Advice {
  std::string phrase;  // "at most 0.58 in"
  int coreRow = 0;     // the core the search then takes
};

// Tries input changes on the search.
struct Adviser {
  const HallInputs& in;
  const HallTable& table;
  const NumberLocale& loc;

  // The core the search takes with the box set to `text`, if any.
  std::optional<int> tryValue(HallBox box, const std::string& text) const {
    HallInputs changed = in;
    const std::optional<double> v = parseNumber(text, loc);
    if (!v || !(*v > 0.0) || !step([&] { setHallInput(changed, box, *v); })) return std::nullopt;
    return coreRow(changed);
  }

  std::optional<int> coreRow(const HallInputs& changed) const {
    const HallResult r = runHallDesign(changed, table, loc);
    if (!r.core) return std::nullopt;
    return r.core->row;
  }

  // The range's end nearest the box's value, offered once the search takes a
  // core with it. The quantities are singles, so the very end may fall just
  // outside; a value one digit inside is tried next.
  std::optional<Advice> tryRange(HallBox box, const HallSpan& s) const {
    const bool down = hallBoxValue(in, box) > s.hi;
    const double end = down ? s.hi : s.lo;
    if (!(end > 0.0 && std::isfinite(end))) return std::nullopt;
    const bool whole = box == HallBox::Turns;
    for (const auto& [digits, inward] : {std::pair{3, 0.0}, {3, 1e-6}, {7, 1e-6}}) {
      const double v = end * (down ? 1.0 - inward : 1.0 + inward);
      const std::string text = typed(v, digits, !down, whole, loc);
      // A value the entry check would refuse is no advice.
      if (!fitsSingle(v)) continue;
      if (const std::optional<int> row = tryValue(box, text))
        return Advice{(down ? "at most " : "at least ") + text + info(box).unit, *row};
    }
    return std::nullopt;
  }
};

struct Candidate {
  HallRowShape shape;
  HallSpan span;
  double change;  // relative to the box's value
};

std::vector<Candidate> candidates(HallBox box, const std::vector<HallRowShape>& shapes,
                                  const HallQuantities& n, double now) {
  std::vector<Candidate> out;
  for (const HallRowShape& r : shapes) {
    const std::optional<HallSpan> s = hallInputSpan(box, r, n);
    if (!s || s->contains(now) || !(s->hi > 0.0)) continue;
    const double target = now > s->hi ? s->hi : s->lo;
    out.push_back({r, *s, now > 0.0 ? std::abs(target / now - 1.0) : target});
  }
  return out;
}

// The order in which inputs are tried: the one that acts on the failing test first.
std::vector<HallBox> boxOrder(const std::string& criterion) {
  using B = HallBox;
  if (criterion == hall_criterion::kSizeLimit)
    return {B::Conductor, B::Turns, B::Current, B::SensorOutput, B::Sensitivity, B::Thickness};
  if (criterion == hall_criterion::kFlux)
    return {B::SensorOutput, B::Sensitivity, B::Current, B::Turns, B::Thickness, B::Conductor};
  return {B::Current, B::Turns, B::SensorOutput, B::Sensitivity, B::Thickness, B::Conductor};
}

// The failing test with the margin nearest to passing; a test that could not
// be judged at all counts only when no other fails.
Criterion nearestFailure(const RowEvaluation& row) {
  const Criterion* best = nullptr;
  for (const Criterion& k : row.criteria) {
    if (k.pass) continue;
    const bool judged = k.margin < 0.0;
    if (!best || (judged && (best->margin >= 0.0 || k.margin > best->margin))) best = &k;
  }
  return best ? *best : Criterion{};
}

std::string partOf(const HallTable& table, int row, const NumberLocale& loc) {
  return table.at(row, 1).generalText(loc);
}

// One input of the box, changed as little as the search allows; then, when a
// smaller core is within the same input's reach, that too.
std::optional<std::string> adviseBox(const Adviser& a, HallBox box,
                                     const std::vector<HallRowShape>& shapes,
                                     const HallQuantities& n) {
  const double now = hallBoxValue(a.in, box);
  std::vector<Candidate> list = candidates(box, shapes, n, now);
  std::stable_sort(list.begin(), list.end(),
                   [](const Candidate& x, const Candidate& y) { return x.change < y.change; });
  std::optional<Advice> least;
  for (const Candidate& c : list) {
    if ((least = a.tryRange(box, c.span))) break;
  }
  if (!least) return std::nullopt;
  std::string text = std::string(info(box).name) + " " + least->phrase + " (core " +
                     partOf(a.table, least->coreRow, a.loc) + ")";
  std::stable_sort(list.begin(), list.end(), [](const Candidate& x, const Candidate& y) {
    return x.shape.row < y.shape.row;
  });
  for (const Candidate& c : list) {
    if (c.shape.row >= least->coreRow) break;
    const std::optional<Advice> small = a.tryRange(box, c.span);
    if (small && small->coreRow < least->coreRow) {
      text += "; " + small->phrase + " gives the smaller core " +
              partOf(a.table, small->coreRow, a.loc);
      break;
    }
  }
  return text;
}

std::optional<std::string> adviseMaterial(const Adviser& a) {
  for (HallMaterialId id :
       {HallMaterialId::Ovimax, HallMaterialId::Zendra, HallMaterialId::Ferrite}) {
    if (id == a.in.material) continue;
    HallInputs changed = a.in;
    changed.material = id;
    if (const std::optional<int> row = a.coreRow(changed))
      return std::string("material ") + hallMaterial(id).group.material + " (core " +
             partOf(a.table, *row, a.loc) + ")";
  }
  return std::nullopt;
}

}  // namespace

std::optional<Nearest> hallNearest(const HallInputs& in, const HallTable& table,
                                   const HallResult& result, const std::vector<RowEvaluation>& rows,
                                   const NumberLocale& loc) {
  using Stop = HallResult::Stop;
  if (result.stop != Stop::CoreTooLarge && result.stop != Stop::FluxTooHigh) return std::nullopt;
  const int first = result.requirements.firstRow;
  const int largest = *result.closingRow - 1;
  Nearest near;
  if (largest < first) {
    near.advice = "the table holds no core of this material";
    return near;
  }
  const auto at = std::find_if(rows.begin(), rows.end(),
                               [&](const RowEvaluation& r) { return r.row == largest; });
  near.row = largest;
  near.part = partOf(table, largest, loc);
  if (at != rows.end()) near.criterion = nearestFailure(*at);

  std::vector<HallRowShape> shapes;
  for (int row = first; row <= largest; ++row) {
    if (const std::optional<HallRowShape> s = hallRowShape(table, row)) shapes.push_back(*s);
  }
  const HallRequirements& q = result.requirements;
  const HallQuantities quantities{q.flux,     q.fluxLimit,    static_cast<double>(in.turns),
                                  in.current, in.conductor,   q.thickness,
                                  in.vout,    in.sensitivity, q.stack};
  const Adviser adviser{in, table, loc};
  for (HallBox box : boxOrder(near.criterion.name)) {
    if (const std::optional<std::string> text = adviseBox(adviser, box, shapes, quantities)) {
      near.advice = *text;
      near.canHelp = true;
      return near;
    }
  }
  if (const std::optional<std::string> text = adviseMaterial(adviser)) {
    near.advice = *text;
    near.canHelp = true;
    return near;
  }
  near.advice =
      "no single input change lets a core fit: more than one input has to change, or the table "
      "needs a core it lacks";
  return near;
}

}  // namespace windara
