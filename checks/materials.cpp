#include "checks/materials.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "common/fields.h"

namespace windara {

namespace {

constexpr const char* kHeader = "Windara materials";
constexpr double kLayoutVersion = 1;
constexpr double kMostPoints = 64;

struct Malformed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

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
    throw Malformed("field " + std::to_string(reader_.fieldsRead()) + ": " + why);
  }

 private:
  FieldReader& reader_;
};

TapeMaterial readTape(Parser& p) {
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
  for (PermeabilityPoint& pt : t.curve)
    pt.peakTesla = p.positive(name + " flux density");
  for (PermeabilityPoint& pt : t.curve)
    pt.permeability = p.positive(name + " permeability");
  for (std::size_t i = 1; i < t.curve.size(); ++i) {
    const PermeabilityPoint& a = t.curve[i - 1];
    const PermeabilityPoint& b = t.curve[i];
    if (!(b.peakTesla > a.peakTesla)) p.fail(name + ": flux densities not ascending");
    // H = B / (mu0 mu) has to grow with B, or the curve is no magnetization curve.
    if (!(b.peakTesla / b.permeability > a.peakTesla / a.permeability))
      p.fail(name + ": field strength does not grow with flux density");
  }
  if (t.curve.back().peakTesla > t.saturationTesla) p.fail(name + ": curve runs past saturation");
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

HallMaterial readHall(Parser& p) {
  HallMaterial h;
  h.name = p.text("Hall material");
  const std::string name = "Hall material " + h.name;
  h.permeability = p.positive(name + " permeability");
  h.saturationTesla = p.positive(name + " saturation");
  h.coerciveAmpsPerMetre = p.number(name + " coercive force");
  if (h.coerciveAmpsPerMetre < 0) p.fail(name + ": coercive force must not be negative");
  h.permeabilityPpmPerKelvin = p.number(name + " temperature coefficient");
  return h;
}

Materials readRecords(Parser& p) {
  if (p.text("header") != kHeader)
    p.fail(std::string("the first field must be \"") + kHeader + "\"");
  if (p.number("layout version") != kLayoutVersion) p.fail("layout version is not 1");
  Materials m;
  for (;;) {
    const std::string kind = p.text("record kind");
    if (kind == "end") return m;
    if (kind == "tape") {
      TapeMaterial t = readTape(p);
      if (m.tape(t.alloy, t.mils))
        p.fail("tape " + t.alloy + " " + std::to_string(t.mils) + " mil twice");
      m.tapes.push_back(std::move(t));
    } else if (kind == "ferrite") {
      FerriteGrade g = readFerrite(p);
      if (m.ferrite(g.grade)) p.fail("ferrite " + g.grade + " twice");
      m.ferrites.push_back(std::move(g));
    } else if (kind == "hall") {
      HallMaterial h = readHall(p);
      if (m.hall(h.name)) p.fail("Hall material " + h.name + " twice");
      m.halls.push_back(std::move(h));
    } else {
      p.fail("unknown record \"" + kind + "\"");
    }
  }
}

// What the designs can ask for: each alloy in the thicknesses it is made in, every grade.
std::string firstMissing(const Materials& m) {
  const struct {
    const char* alloy;
    int mils;
  } tapes[] = {{"S", 2}, {"S", 4}, {"T", 2}, {"T", 4}, {"P", 1}, {"P", 2}};
  for (const auto& t : tapes)
    if (!m.tape(t.alloy, t.mils))
      return std::string("no tape ") + t.alloy + " " + std::to_string(t.mils) + " mil";
  for (const char* g : {"P", "Q", "R"})
    if (!m.ferrite(g)) return std::string("no ferrite ") + g;
  for (const char* h : {"Ovimax", "Zendra", "Ferrite"})
    if (!m.hall(h)) return std::string("no Hall material ") + h;
  return {};
}

}  // namespace

std::optional<TapeMaterial> Materials::tape(std::string_view alloy, int mils) const {
  for (const TapeMaterial& t : tapes)
    if (t.alloy == alloy && t.mils == mils) return t;
  return std::nullopt;
}

std::optional<FerriteGrade> Materials::ferrite(std::string_view grade) const {
  for (const FerriteGrade& g : ferrites)
    if (g.grade == grade) return g;
  return std::nullopt;
}

std::optional<HallMaterial> Materials::hall(std::string_view name) const {
  for (const HallMaterial& h : halls)
    if (h.name == name) return h;
  return std::nullopt;
}

std::string materialMissing(std::string_view what) {
  return std::string("material data unavailable: ") + kMaterialsFile + " has no " +
         std::string(what);
}

MaterialsRead readMaterials(const std::filesystem::path& programDir) {
  MaterialsRead read;
  const std::string unavailable = std::string("material data unavailable: ") + kMaterialsFile;
  const std::filesystem::path file = programDir / kMaterialsFile;
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    read.problem = unavailable + " cannot be opened: it is a folder";
    return read;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    read.problem = unavailable + " cannot be opened: " + std::strerror(errno);
    return read;
  }
  FieldReader reader(in);
  Parser parser(reader);
  try {
    read.materials = readRecords(parser);
  } catch (const Malformed& e) {
    read.problem = unavailable + ": " + e.what();
    return read;
  } catch (const FileReadError&) {
    read.problem = unavailable + ": ended after " + std::to_string(reader.fieldsRead()) +
                   " fields, before its \"end\"";
    return read;
  }
  if (const std::string missing = firstMissing(read.materials); !missing.empty()) {
    read.problem = unavailable + ": " + missing;
    read.materials = {};
  }
  return read;
}

}  // namespace windara
