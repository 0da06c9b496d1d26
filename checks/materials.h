#pragma once
// Magnetic data of the materials behind the engineering checks, read from Materials.txt in
// the program's folder at every check (an edited file takes effect at the next one).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windara {

inline constexpr const char* kMaterialsFile = "Materials.txt";

// One point of an amplitude permeability curve at 50/60 Hz.
struct PermeabilityPoint {
  double peakTesla = 0.0;
  double permeability = 0.0;  // relative, B_peak / (mu0 H_peak)
};

// A tape alloy rolled to one thickness.
struct TapeMaterial {
  std::string alloy;  // "S", "T", "P"
  int mils = 0;
  double saturationTesla = 0.0;
  std::vector<PermeabilityPoint> curve;  // ascending in flux density
  // The lowest peak flux density (T) at which the design's loss law was fitted, and the
  // resistivity (ohm m) that sets the eddy loss below it; both 0 in a layout 1 file, which
  // has neither, and then the law is taken all the way down.
  double lawFromTesla = 0.0;
  double resistivityOhmM = 0.0;
};

// A MnZn ferrite grade.
struct FerriteGrade {
  std::string grade;  // "P", "Q", "R"
  double saturationTesla25C = 0.0;
  double saturationTesla100C = 0.0;
  double remanenceTesla = 0.0;
  double alTolerancePercent = 0.0;  // the lower tolerance, negative (-25 means 25 % below)
  double curieCelsius = 0.0;
};

// A Hall core material.
struct HallCoreMaterial {
  std::string name;  // "Ovimax", "Zendra", "Ferrite"
  double permeability = 0.0;
  double saturationTesla = 0.0;
  double coerciveAmpsPerMetre = 0.0;
  double permeabilityPpmPerKelvin = 0.0;  // temperature coefficient of the permeability
};

struct Materials {
  std::vector<TapeMaterial> tapes;
  std::vector<FerriteGrade> ferrites;
  std::vector<HallCoreMaterial> halls;

  std::optional<TapeMaterial> tape(std::string_view alloy, int mils) const;
  std::optional<FerriteGrade> ferrite(std::string_view grade) const;
  std::optional<HallCoreMaterial> hall(std::string_view name) const;
};

// The data, or why there is none: `problem` then starts "material data unavailable: ".
struct MaterialsRead {
  Materials materials;
  std::string problem;
  bool ok() const { return problem.empty(); }
};

// Reads programDir/Materials.txt whole. Every alloy in the thicknesses it is made in, every
// ferrite grade and every Hall material must be there, with sound numbers.
MaterialsRead readMaterials(const std::filesystem::path& programDir);

// The reason a material the data lacks stops a check.
std::string materialMissing(std::string_view what);

}  // namespace windara
