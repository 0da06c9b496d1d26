#include "checks/material_records.h"

#include <string>
#include <utility>

namespace windara {

namespace {

constexpr const char* kHeader = "Windara materials";
// Layout 2 adds to each tape where its loss law holds; layout 1 files still read.
constexpr double kFirstLayout = 1;
constexpr double kLayoutVersion = 2;
constexpr double kMostPoints = 64;

// Fields of the file with the context a reader needs to say what is wrong.
class Parser {
 public:
  explicit Parser(FieldReader& reader) : reader_(reader) {}

  std::string text(const std::string& what) {
    const Cell c = reader_.readCell();
    if (!c.isText()) fail(what + " is not a text");
    return c.rawText();
  }
  double number(const std::string& what) {
    const Cell c = reader_.readCell();
    if (!c.isNumber()) fail(what + " is not a number");
    return c.value();
  }
  double positive(const std::string& what) {
    const double v = number(what);
    if (!(v > 0)) fail(what + " must be above 0");
    return v;
  }
  [[noreturn]] void fail(const std::string& why) const {
    throw MalformedMaterials("field " + std::to_string(reader_.fieldsRead()) + ": " + why);
  }

 private:
  FieldReader& reader_;
};

TapeMaterial readTape(Parser& p, double layout) {
  TapeMaterial t;
  t.alloy = p.text("tape alloy");
  const double mils = p.positive("tape thickness");
  if (mils != static_cast<int>(mils)) p.fail("tape thickness is not a whole number of mils");
  t.mils = static_cast<int>(mils);
  const std::string name = "tape " + t.alloy + " " + std::to_string(t.mils) + " mil";
  t.saturationTesla = p.positive(name + " saturation");
  const double count = p.number(name + " point count");
  if (count < 2 || count > kMostPoints || count != static_cast<int>(count))
    p.fail(name + " needs 2 to 64 points");
  t.curve.resize(static_cast<std::size_t>(count));
  // Named once: a name built for every point would cost more than reading it.
  const std::string flux = name + " flux density";
  for (PermeabilityPoint& pt : t.curve)
    pt.peakTesla = p.positive(flux);
  const std::string permeability = name + " permeability";
  for (PermeabilityPoint& pt : t.curve)
    pt.permeability = p.positive(permeability);
  for (std::size_t i = 1; i < t.curve.size(); ++i) {
    const PermeabilityPoint& a = t.curve[i - 1];
    const PermeabilityPoint& b = t.curve[i];
    if (!(b.peakTesla > a.peakTesla)) p.fail(name + ": flux densities not ascending");
    // H = B / (mu0 mu) has to grow with B, or the curve is no magnetization curve.
    if (!(b.peakTesla / b.permeability > a.peakTesla / a.permeability))
      p.fail(name + ": field strength does not grow with flux density");
  }
  if (t.curve.back().peakTesla > t.saturationTesla) p.fail(name + ": curve runs past saturation");
  if (layout < kLayoutVersion) return t;
  t.lawFromTesla = p.positive(name + " lowest flux density of the loss law");
  if (!(t.lawFromTesla < t.saturationTesla))
    p.fail(name + ": loss law starts at or above saturation");
  t.resistivityOhmM = p.positive(name + " resistivity");
  return t;
}

FerriteGrade readFerrite(Parser& p) {
  FerriteGrade g;
  g.grade = p.text("ferrite grade");
  const std::string name = "ferrite " + g.grade;
  g.saturationTesla25C = p.positive(name + " saturation at 25 C");
  g.saturationTesla100C = p.positive(name + " saturation at 100 C");
  g.remanenceTesla = p.number(name + " remanence");
  if (g.remanenceTesla < 0 || g.remanenceTesla >= g.saturationTesla100C)
    p.fail(name + ": remanence must lie from 0 up to the saturation at 100 C");
  g.alTolerancePercent = p.number(name + " AL tolerance");
  if (g.alTolerancePercent > 0 || g.alTolerancePercent <= -100)
    p.fail(name + ": AL tolerance must be a lower tolerance from 0 down to above -100 %");
  g.curieCelsius = p.number(name + " Curie temperature");
  return g;
}

HallCoreMaterial readHall(Parser& p) {
  HallCoreMaterial h;
  h.name = p.text("Hall material");
  const std::string name = "Hall material " + h.name;
  h.permeability = p.positive(name + " permeability");
  h.saturationTesla = p.positive(name + " saturation");
  h.coerciveAmpsPerMetre = p.number(name + " coercive force");
  if (h.coerciveAmpsPerMetre < 0) p.fail(name + ": coercive force must not be negative");
  h.permeabilityPpmPerKelvin = p.number(name + " temperature coefficient");
  return h;
}

}  // namespace

Materials readMaterialRecords(FieldReader& reader) {
  Parser p(reader);
  if (p.text("header") != kHeader)
    p.fail(std::string("the first field must be \"") + kHeader + "\"");
  const double layout = p.number("layout version");
  if (layout != kFirstLayout && layout != kLayoutVersion) p.fail("layout version is not 1 or 2");
  Materials m;
  for (;;) {
    const std::string kind = p.text("record kind");
    if (kind == "end") return m;
    if (kind == "tape") {
      TapeMaterial t = readTape(p, layout);
      if (m.tape(t.alloy, t.mils))
        p.fail("tape " + t.alloy + " " + std::to_string(t.mils) + " mil twice");
      m.tapes.push_back(std::move(t));
    } else if (kind == "ferrite") {
      FerriteGrade g = readFerrite(p);
      if (m.ferrite(g.grade)) p.fail("ferrite " + g.grade + " twice");
      m.ferrites.push_back(std::move(g));
    } else if (kind == "hall") {
      HallCoreMaterial h = readHall(p);
      if (m.hall(h.name)) p.fail("Hall material " + h.name + " twice");
      m.halls.push_back(std::move(h));
    } else {
      p.fail("unknown record \"" + kind + "\"");
    }
  }
}

}  // namespace windara
