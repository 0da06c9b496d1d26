#include "checks/materials.h"

#include <gtest/gtest.h>

#include <string>

#include "support/support.h"

namespace windara {
namespace {

using testing::TempDir;

std::string shipped() {
  return testing::readFile(testing::dataDir() / kMaterialsFile);
}

// The shipped text with its first `from` replaced by `to`.
std::string edited(const std::string& from, const std::string& to) {
  std::string text = shipped();
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

MaterialsRead readText(const std::string& text) {
  TempDir dir;
  dir.write(kMaterialsFile, text);
  return readMaterials(dir.path());
}

TEST(Materials, TheShippedFileHoldsEveryMaterialTheDesignsOffer) {
  const MaterialsRead read = readMaterials(testing::dataDir());
  ASSERT_TRUE(read.ok()) << read.problem;
  const Materials& m = read.materials;
  EXPECT_EQ(m.tapes.size(), 6u);
  EXPECT_EQ(m.ferrites.size(), 3u);
  EXPECT_EQ(m.halls.size(), 3u);
  // Each kind of field lands in its member: a grade's figures in the file's order.
  const FerriteGrade p = m.ferrite("P").value();
  EXPECT_DOUBLE_EQ(p.saturationTesla25C, 0.50);
  EXPECT_DOUBLE_EQ(p.saturationTesla100C, 0.42);
  EXPECT_DOUBLE_EQ(p.remanenceTesla, 0.10);
  EXPECT_DOUBLE_EQ(p.alTolerancePercent, -20);
  EXPECT_DOUBLE_EQ(p.curieCelsius, 220);
  const HallCoreMaterial z = m.hall("Zendra").value();
  EXPECT_DOUBLE_EQ(z.permeability, 60);
  EXPECT_DOUBLE_EQ(z.saturationTesla, 1.5);
  EXPECT_DOUBLE_EQ(z.coerciveAmpsPerMetre, 80);
  EXPECT_DOUBLE_EQ(z.permeabilityPpmPerKelvin, 80);
  const TapeMaterial s = m.tape("S", 2).value();
  EXPECT_DOUBLE_EQ(s.saturationTesla, 1.8);
  ASSERT_EQ(s.curve.size(), 15u);
  EXPECT_DOUBLE_EQ(s.curve.front().peakTesla, 0.01);
  EXPECT_DOUBLE_EQ(s.curve.front().permeability, 1300);
  EXPECT_DOUBLE_EQ(s.curve.back().peakTesla, 1.75);
  EXPECT_DOUBLE_EQ(s.curve.back().permeability, 1800);
  EXPECT_DOUBLE_EQ(s.lawFromTesla, 0.05);
  EXPECT_DOUBLE_EQ(s.resistivityOhmM, 5e-7);
  // Thicknesses that are not made are not there.
  EXPECT_FALSE(m.tape("P", 4));
  EXPECT_FALSE(m.tape("S", 1));
  EXPECT_FALSE(m.ferrite("X"));
}

TEST(Materials, TheShippedFileIsWhatItsScriptWrites) {
  TempDir dir;
  const std::filesystem::path out = dir.path() / "made.txt";
  const std::string script = (testing::dataDir() / "make_materials.py").string();
  if (testing::commandOutput("command -v python3").empty()) GTEST_SKIP() << "no python3";
  testing::commandOutput("python3 '" + script + "' '" + out.string() + "'");
  EXPECT_EQ(testing::readFile(out), shipped());
}

TEST(Materials, HowFieldsSpreadOverLinesDoesNotMatter) {
  std::string oneLine = shipped();
  for (std::size_t at; (at = oneLine.find("\r\n")) != std::string::npos;)
    oneLine.replace(at, 2, ",");
  const MaterialsRead read = readText(oneLine);
  ASSERT_TRUE(read.ok()) << read.problem;
  EXPECT_DOUBLE_EQ(read.materials.tape("P", 2).value().curve[5].permeability, 120000);
  EXPECT_DOUBLE_EQ(read.materials.hall("Ferrite").value().coerciveAmpsPerMetre, 16);
}

// A file of the first layout has no loss-law range: its tapes read without one.
TEST(Materials, AFirstLayoutFileStillReads) {
  std::string text = edited("\"Windara materials\",2", "\"Windara materials\",1");
  for (const char* range : {"0.05,0.0000005\r\n", "0.03,0.00000048\r\n", "0.02,0.00000057\r\n"})
    for (std::size_t at; (at = text.find(range)) != std::string::npos;)
      text.erase(at, std::string(range).size());
  const MaterialsRead read = readText(text);
  ASSERT_TRUE(read.ok()) << read.problem;
  EXPECT_EQ(read.materials.tape("T", 4).value().lawFromTesla, 0);
  EXPECT_EQ(read.materials.tape("P", 1).value().curve.back().permeability, 15000);
}

TEST(Materials, AnEditedFileTakesEffectAtTheNextRead) {
  TempDir dir;
  dir.write(kMaterialsFile, shipped());
  EXPECT_DOUBLE_EQ(readMaterials(dir.path()).materials.ferrite("R")->remanenceTesla, 0.08);
  dir.write(kMaterialsFile, edited("\"R\",0.43,0.25,0.08", "\"R\",0.43,0.25,0.12"));
  EXPECT_DOUBLE_EQ(readMaterials(dir.path()).materials.ferrite("R")->remanenceTesla, 0.12);
}

// The figures of the last bytes read are kept: a file read between two reads of another, and
// one too large to keep, still give their own.
TEST(Materials, EachFileGivesItsOwnFigures) {
  TempDir a, b, large;
  a.write(kMaterialsFile, shipped());
  b.write(kMaterialsFile, edited("\"Ovimax\",125", "\"Ovimax\",126"));
  large.write(kMaterialsFile, edited("\"end\"", "\"end\"" + std::string(1 << 21, '\n')));
  for (int i = 0; i < 2; ++i) {
    EXPECT_DOUBLE_EQ(readMaterials(a.path()).materials.hall("Ovimax")->permeability, 125);
    EXPECT_DOUBLE_EQ(readMaterials(b.path()).materials.hall("Ovimax")->permeability, 126);
    const MaterialsRead read = readMaterials(large.path());
    EXPECT_TRUE(read.ok()) << read.problem;
    EXPECT_EQ(read.materials.tapes.size(), 6u);
  }
}

TEST(Materials, AMissingFileSaysWhy) {
  TempDir dir;
  const MaterialsRead read = readMaterials(dir.path());
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(read.problem.rfind("material data unavailable: Materials.txt cannot be opened: ", 0),
            0u)
      << read.problem;
  std::filesystem::create_directory(dir.path() / kMaterialsFile);
  EXPECT_EQ(readMaterials(dir.path()).problem,
            "material data unavailable: Materials.txt cannot be opened: it is a folder");
}

// Each fault in an otherwise sound file, and the words that name it.
TEST(Materials, AMalformedFileSaysWhatIsWrong) {
  const struct {
    const char* from;
    const char* to;
    const char* says;
  } cases[] = {
      {"\"Windara materials\"", "\"Materials\"", "the first field must be"},
      {"\"Windara materials\",2", "\"Windara materials\",3", "layout version is not 1 or 2"},
      {"0.05,0.0000005", "1.8,0.0000005", "loss law starts at or above saturation"},
      {"0.05,0.0000005", "0.05,0", "tape S 2 mil resistivity must be above 0"},
      {"\"tape\",\"S\",2,1.8", "\"tape\",\"S\",2,high", "tape S 2 mil saturation is not a number"},
      {"\"tape\",\"S\",2,1.8,15", "\"tape\",\"S\",2,1.8,1", "needs 2 to 64 points"},
      {"\"tape\",\"S\",2,1.8,15", "\"tape\",\"S\",2,1.8,14.5", "needs 2 to 64 points"},
      {"\"tape\",\"S\",2,", "\"tape\",\"S\",2.5,", "not a whole number of mils"},
      {"0.01,0.02,0.05", "0.01,0.005,0.05", "flux densities not ascending"},
      // 0.02 T at mu 3,500 needs less field than 0.01 T at mu 1,300.
      {"1300,1700", "1300,3500", "field strength does not grow"},
      {"1300,1700", "1300,-1700", "permeability must be above 0"},
      {"\"tape\",\"S\",2,1.8", "\"tape\",\"S\",2,1.7", "curve runs past saturation"},
      {"\"ferrite\",\"P\",0.5,0.42,0.1", "\"ferrite\",\"P\",0.5,0.42,0.42",
       "remanence must lie from 0 up to the saturation at 100 C"},
      {"0.1,-20,220", "0.1,25,220", "AL tolerance must be a lower tolerance"},
      {"0.1,-20,220", "0.1,-100,220", "AL tolerance must be a lower tolerance"},
      {"\"hall\",\"Ovimax\",125,0.75,24", "\"hall\",\"Ovimax\",125,0.75,-24",
       "coercive force must not be negative"},
      {"\"hall\",\"Ovimax\",125", "\"hall\",\"Ovimax\",0", "permeability must be above 0"},
      {"\"hall\",\"Zendra\"", "\"coil\",\"Zendra\"", "unknown record \"coil\""},
      {"\"ferrite\",\"Q\"", "\"ferrite\",\"P\"", "ferrite P twice"},
      {"\"hall\",\"Ferrite\"", "\"hall\",\"Ferrit\"", "no Hall material Ferrite"},
      {"\"tape\",\"T\",4", "\"tape\",\"T\",3", "no tape T 4 mil"},
      {"\"end\"\r\n", "", "before its \"end\""},
  };
  for (const auto& c : cases) {
    const MaterialsRead read = readText(edited(c.from, c.to));
    EXPECT_FALSE(read.ok()) << c.to;
    EXPECT_EQ(read.problem.rfind("material data unavailable: Materials.txt", 0), 0u)
        << read.problem;
    EXPECT_NE(read.problem.find(c.says), std::string::npos) << read.problem;
    // Nothing half-read is handed on.
    EXPECT_TRUE(read.materials.tapes.empty() && read.materials.halls.empty()) << c.to;
  }
}

}  // namespace
}  // namespace windara
