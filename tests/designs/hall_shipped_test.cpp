#include <gtest/gtest.h>

#include <fstream>

#include "designs/hall/hall_table.h"
#include "hall_support.h"

namespace windara::testing {
namespace {

TEST(HallShippedTable, GroupsAscendAndClose) {
  std::ifstream in(dataDir() / "Hall.txt", std::ios::binary);
  std::string line;
  int lines = 0;
  while (std::getline(in, line)) {
    ++lines;
    std::size_t commas = 0;
    for (char ch : line)
      commas += ch == ',';
    EXPECT_EQ(commas, 11u) << "line " << lines;
    EXPECT_EQ(line.back(), '\r') << "line " << lines;
  }
  EXPECT_EQ(lines, kHallRows);

  const HallTable t = readHallTable(dataDir());
  ASSERT_TRUE(t.ok()) << t.problem;
  const HallGroup groups[] = {{1, 8, "Ovimax"}, {9, 16, "Zendra"}, {17, 26, "ferrite"}};
  for (const HallGroup& g : groups) {
    const auto closing = closingRow(t, g);
    ASSERT_TRUE(closing.has_value()) << g.material;
    EXPECT_EQ(*closing, g.lastRow) << g.material;
    for (int r = g.firstRow; r < g.lastRow; ++r) {
      EXPECT_TRUE(t.at(r, 1).isText()) << r;
      for (int c = 2; c <= kHallColumns; ++c)
        EXPECT_TRUE(t.at(r, c).isNumber()) << r << "," << c;
      if (r > g.firstRow) {
        EXPECT_GE(t.at(r, 8).value(), t.at(r - 1, 8).value()) << r;
      }
      // The size limit never exceeds the bore or the wall.
      EXPECT_LT(t.at(r, 8).value(), t.at(r, 2).value()) << r;
      EXPECT_LE(t.at(r, 8).value(), (t.at(r, 3).value() - t.at(r, 2).value()) / 2 + 1e-9) << r;
    }
  }
}

// The Hall defaults, chosen through the window's reactions, design a core of
// every material without a message, and the core takes the gap.
TEST(HallShippedTable, DefaultsDesignInEveryMaterial) {
  for (const NumberLocale& loc : {NumberLocale::period(), NumberLocale::comma()}) {
    Harness h(dataDir(), loc);
    Form& f = h.form();
    f.select(f.optHall);
    for (OptionButton* material : {&f.optPperm, &f.optQperm, &f.optRperm}) {
      SCOPED_TRACE(material->caption + loc.decimal);
      f.select(*material);
      ASSERT_TRUE(material->selected);
      EXPECT_TRUE(h.events().empty());
      EXPECT_NE(f.txtCore.text, "N/A");
      EXPECT_EQ(f.txtActualL.text, loc.decimal == ',' ? "0,50" : "0.50");
      const double gap = toNumber(f.txtRequiredL.text, loc);
      const double id = toNumber(f.txtID.text, loc), od = toNumber(f.txtOD.text, loc);
      EXPECT_GE((od - id) / 2, 2 * gap - 0.001);
      EXPECT_GE(toNumber(f.txtHt.text, loc), 2 * gap - 0.001);
    }
  }
}

}  // namespace
}  // namespace windara::testing
