#include "checks/materials.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>

#include "checks/material_records.h"
#include "common/fields.h"
#include "common/whole_file.h"

namespace windara {

namespace {

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

std::optional<HallCoreMaterial> Materials::hall(std::string_view name) const {
  for (const HallCoreMaterial& h : halls)
    if (h.name == name) return h;
  return std::nullopt;
}

std::string materialMissing(std::string_view what) {
  return std::string("material data unavailable: ") + kMaterialsFile + " has no " +
         std::string(what);
}

namespace {

// A materials file is a few kilobytes; one past this is parsed as it streams in, not kept.
constexpr std::size_t kMostKeptBytes = 1 << 20;

MaterialsRead parse(std::istream& in, const std::filesystem::path& file) {
  MaterialsRead read;
  const std::string unavailable = std::string("material data unavailable: ") + kMaterialsFile;
  // A folder opens but cannot be read: asked only then, the usual case makes one call less.
  auto folder = [&] {
    std::error_code ec;
    return std::filesystem::is_directory(file, ec);
  };
  FieldReader reader(in);
  try {
    read.materials = readMaterialRecords(reader);
  } catch (const MalformedMaterials& e) {
    read.problem = unavailable + ": " + e.what();
    return read;
  } catch (const FileReadError&) {
    read.problem = folder() ? unavailable + " cannot be opened: it is a folder"
                            : unavailable + ": ended after " + std::to_string(reader.fieldsRead()) +
                                  " fields, before its \"end\"";
    return read;
  }
  if (const std::string missing = firstMissing(read.materials); !missing.empty()) {
    read.problem = unavailable + ": " + missing;
    read.materials = {};
  }
  return read;
}

}  // namespace

MaterialsRead readMaterials(const std::filesystem::path& programDir) {
  const std::filesystem::path file = programDir / kMaterialsFile;
  const std::optional<std::string> bytes = wholeFile(file, kMostKeptBytes);
  if (!bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      MaterialsRead read;
      read.problem = std::string("material data unavailable: ") + kMaterialsFile +
                     " cannot be opened: " + std::strerror(errno);
      return read;
    }
    return parse(in, file);
  }
  // Every check reads the file afresh, so that an edit takes effect at once; parsing the
  // same bytes again would give the same figures, so the last bytes' are kept.
  static std::mutex guard;
  static std::string lastBytes;
  static MaterialsRead lastRead;
  {
    const std::lock_guard<std::mutex> lock(guard);
    if (*bytes == lastBytes) return lastRead;
  }
  std::istringstream text(*bytes);
  MaterialsRead read = parse(text, file);
  const std::lock_guard<std::mutex> lock(guard);
  lastBytes = *bytes;
  lastRead = read;
  return read;
}

}  // namespace windara
