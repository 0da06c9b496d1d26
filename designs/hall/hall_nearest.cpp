// The closed forms come from the design's own formulas. With A = N x I / B
// (ampere-turns per gauss) and c = le / mu of a row, the computed gap is
//   lg = 0.3937 (0.4 x 3.14 x A - c)  in,
// floored to t + 0.005 when below t. A row takes it when lg is at most
// G = min(column 8, radial wall / 2, height / 2), its column 8 reaches
// W = N x d, and B is within the material's limit. Each input moves A, W, B
// or t alone, so each gives a range of that input in which the row fits. A
// range found this way is tried on the search before it is offered, since a
// gap raised at an earlier row can still pass the row over.

#include "designs/hall/hall_nearest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "common/checked.h"

namespace windara {

namespace {

constexpr double kMmf = 0.4 * 3.14;  // gilberts per ampere-turn, as the design takes it
constexpr double kInPerCm = 0.3937;
constexpr double kRoom = 0.005;  // in, what the floor adds to the sensor
constexpr double kInf = std::numeric_limits<double>::infinity();

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

// Values of one box in which a row fits; lo 0 when nothing bounds it below.
struct Span {
  double lo = 0.0;
  double hi = kInf;
};

// What the closed forms need of a row.
struct RowShape {
  int row = 0;
  double limit = 0.0;    // column 8, in
  double gapRoom = 0.0;  // G, in
  double lePerMu = 0.0;  // c, cm
};

std::optional<RowShape> rowShape(const HallTable& table, int row) {
  std::optional<RowShape> shape;
  step([&] {
    auto at = [&](int column) { return table.at(row, column).value(); };
    if (!(at(6) > 0.0 && at(7) > 0.0)) return;
    const double room = std::min({at(8), (at(3) - at(2)) / 4.0, at(4) / 2.0});
    shape = RowShape{row, at(8), room, at(6) / at(7)};
  });
  return shape;
}

// The design's quantities as they are now.
struct Now {
  double flux, fluxLimit, turns, current, conductor, thickness, vout, sensitivity, stack;
};

// The range of A in which the row's floored gap fits it.
std::optional<Span> ampereTurnSpan(const RowShape& r, double t) {
  if (r.gapRoom < t) return std::nullopt;
  const double hi = (r.gapRoom / kInPerCm + r.lePerMu) / kMmf;
  // Below t the floor adds 0.005 in, which this row cannot take: lg must not fall below t.
  const double lo = r.gapRoom < t + kRoom ? (t / kInPerCm + r.lePerMu) / kMmf : 0.0;
  if (!(hi > 0.0)) return std::nullopt;
  return Span{lo, hi};
}

bool inside(double v, const Span& s) {
  return v >= s.lo && v <= s.hi;
}

std::optional<Span> boxSpan(HallBox box, const RowShape& r, const Now& n) {
  const bool fluxOk = n.flux > 0.0 && n.flux <= n.fluxLimit;
  const bool stackOk = n.stack <= r.limit;
  const double ni = n.turns * n.current;
  if (!(ni > 0.0)) return std::nullopt;
  if (box == HallBox::Thickness) {
    if (!fluxOk || !stackOk) return std::nullopt;
    const double raw = kInPerCm * (kMmf * ni / n.flux - r.lePerMu);
    if (raw > r.gapRoom) return std::nullopt;
    const double most = std::max(raw, r.gapRoom - kRoom);
    if (!(most > 0.0)) return std::nullopt;
    return Span{0.0, most * 25.4};
  }
  const std::optional<Span> a = ampereTurnSpan(r, n.thickness);
  if (!a) return std::nullopt;
  switch (box) {
    case HallBox::Conductor:
      if (!fluxOk || !inside(ni / n.flux, *a)) return std::nullopt;
      return Span{0.0, r.limit / n.turns};
    case HallBox::Turns: {
      if (!fluxOk || !(n.conductor > 0.0)) return std::nullopt;
      const double lo = std::max(1.0, std::ceil(a->lo * n.flux / n.current));
      const double hi = std::min(
          {std::floor(a->hi * n.flux / n.current), std::floor(r.limit / n.conductor), 32767.0});
      if (lo > hi) return std::nullopt;
      return Span{lo, hi};
    }
    case HallBox::Current:
      if (!fluxOk || !stackOk) return std::nullopt;
      return Span{a->lo * n.flux / n.turns, a->hi * n.flux / n.turns};
    case HallBox::SensorOutput:
    case HallBox::Sensitivity: {
      if (!stackOk) return std::nullopt;
      const double lo = ni / a->hi;
      const double hi = std::min(a->lo > 0.0 ? ni / a->lo : kInf, n.fluxLimit);
      if (lo > hi) return std::nullopt;
      if (box == HallBox::SensorOutput) {
        if (!(n.sensitivity > 0.0)) return std::nullopt;
        return Span{lo * n.sensitivity / 1e6, hi * n.sensitivity / 1e6};
      }
      if (!(n.vout > 0.0)) return std::nullopt;
      return Span{1000.0 * n.vout / hi, 1000.0 * n.vout / lo};
    }
    case HallBox::Thickness:
      break;
  }
  return std::nullopt;
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
  std::optional<Advice> tryRange(HallBox box, const Span& s) const {
    const bool down = hallBoxValue(in, box) > s.hi;
    const double end = down ? s.hi : s.lo;
    const bool whole = box == HallBox::Turns;
    for (const auto& [digits, inward] : {std::pair{3, 0.0}, {3, 1e-6}, {7, 1e-6}}) {
      const double v = end * (down ? 1.0 - inward : 1.0 + inward);
      const std::string text = typed(v, digits, !down, whole, loc);
      if (const std::optional<int> row = tryValue(box, text))
        return Advice{(down ? "at most " : "at least ") + text + info(box).unit, *row};
    }
    return std::nullopt;
  }
};

struct Candidate {
  RowShape shape;
  Span span;
  double change;  // relative to the box's value
};

std::vector<Candidate> candidates(HallBox box, const std::vector<RowShape>& shapes, const Now& n,
                                  double now) {
  std::vector<Candidate> out;
  for (const RowShape& r : shapes) {
    const std::optional<Span> s = boxSpan(box, r, n);
    if (!s || inside(now, *s) || !(s->hi > 0.0)) continue;
    const double target = now > s->hi ? s->hi : s->lo;
    out.push_back({r, *s, now > 0.0 ? std::abs(target / now - 1.0) : target});
  }
  return out;
}

// The order in which inputs are tried: the one that acts on the failing test first.
std::vector<HallBox> boxOrder(const std::string& criterion) {
  using B = HallBox;
  if (criterion == kHallSizeLimit)
    return {B::Conductor, B::Turns, B::Current, B::SensorOutput, B::Sensitivity, B::Thickness};
  if (criterion == kHallFlux)
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
                                     const std::vector<RowShape>& shapes, const Now& n) {
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

  std::vector<RowShape> shapes;
  for (int row = first; row <= largest; ++row) {
    if (const std::optional<RowShape> s = rowShape(table, row)) shapes.push_back(*s);
  }
  const HallRequirements& q = result.requirements;
  const Now now{q.flux,     q.fluxLimit,    static_cast<double>(in.turns),
                in.current, in.conductor,   q.thickness,
                in.vout,    in.sensitivity, q.stack};
  const Adviser adviser{in, table, loc};
  for (HallBox box : boxOrder(near.criterion.name)) {
    if (const std::optional<std::string> text = adviseBox(adviser, box, shapes, now)) {
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
