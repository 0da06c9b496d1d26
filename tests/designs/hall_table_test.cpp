#include <gtest/gtest.h>

#include "designs/hall/hall_table.h"
#include "hall_support.h"

namespace windara::testing {
namespace {

// 312 fields numbered from 0, `perLine` to a line.
std::string numberedFields(int perLine) {
  std::string text;
  for (int k = 0; k < kHallRows * kHallColumns; ++k) {
    text += std::to_string(k);
    text += (k + 1) % perLine == 0 ? "\r\n" : ",";
  }
  return text;
}

TEST(HallTableRead, FieldsFillRowsInOrderHoweverTheyAreSpread) {
  for (int perLine : {12, 312, 7, 1}) {
    TempDir dir;
    dir.write("Hall.txt", numberedFields(perLine) + "\"after\",1,2\r\n");
    const HallTable t = readHallTable(dir.path());
    ASSERT_TRUE(t.ok()) << t.problem;
    ASSERT_EQ(t.cells.size(), 312u);
    for (int r = 1; r <= kHallRows; ++r) {
      for (int c = 1; c <= kHallColumns; ++c) {
        ASSERT_EQ(t.at(r, c).value(), (r - 1) * 12 + (c - 1)) << perLine << " " << r << "," << c;
      }
    }
  }
}

TEST(HallTableRead, ClosingRowBelongsToItsGroup) {
  const HallGroup groups[] = {{1, 8, "Ovimax"}, {9, 16, "Zendra"}, {17, 26, "ferrite"}};
  struct Case {
    std::array<bool, 3> closed;
    std::string extraFirstGroupLine;
    std::array<std::optional<int>, 3> closing;
  };
  const Case cases[] = {
      {{true, true, true}, "", {1, 9, 17}},
      {{false, true, true}, "", {std::nullopt, 9, 17}},
      {{true, true, false}, "", {1, 9, std::nullopt}},
      // A quoted 999 is still the number 999; a text that is none never closes.
      {{true, true, true}, "\"Q\",0,0,0,0,0,0,\"999\",0,0,0,0\r\n", {1, 9, 17}},
      {{false, true, true}, "\"T\",0,0,0,0,0,0,n/a,0,0,0,0\r\n", {std::nullopt, 9, 17}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    std::vector<std::string> first;
    if (!c.extraFirstGroupLine.empty()) first.push_back(c.extraFirstGroupLine);
    dir.write("Hall.txt", hallGroupsText({first, {}, {}}, c.closed));
    const HallTable t = readHallTable(dir.path());
    ASSERT_TRUE(t.ok());
    for (int g = 0; g < 3; ++g)
      EXPECT_EQ(closingRow(t, groups[g]), c.closing[g]) << g;
  }
}

TEST(HallTableDesign, UnusableTableIsReportedWithNoDesign) {
  struct Case {
    const char* name;
    std::optional<std::string> content;  // nothing: no file at all
    int material;
    std::string problem;
  };
  const Case cases[] = {
      {"missing", std::nullopt, 0, "cannot be opened"},
      {"short", hallTableText({HallCore{}}).substr(0, 300), 1, "of 312 fields"},
      {"unclosed", hallGroupsText({{HallCore{}.line()}, {}, {}}, {false, true, true}), 0,
       "rows 1 to 8 (Ovimax) have no closing row with 999 in column 8"},
      {"unclosedLast", hallGroupsText({{}, {}, {HallCore{}.line()}}, {true, true, false}), 2,
       "rows 17 to 26 (ferrite) have no closing row with 999 in column 8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HallRig rig;
    if (c.content) rig.table(*c.content);
    rig.inputs({});
    rig.material(c.material);
    rig.h.form().txtAL.text = "9";
    rig.run();
    ASSERT_EQ(rig.h.events().size(), 1u);
    const DialogEvent& e = rig.h.events()[0];
    EXPECT_EQ(e.kind, DialogEvent::Kind::Message);
    EXPECT_EQ(e.title, "Core Table");
    EXPECT_EQ(e.icon, Icon::Critical);
    EXPECT_NE(e.text.find((rig.dir.path() / "Hall.txt").string()), std::string::npos) << e.text;
    EXPECT_NE(e.text.find(c.problem), std::string::npos) << e.text;
    EXPECT_EQ(rig.outputs(), kHallNoDesign);
    EXPECT_EQ(rig.h.form().txtAL.text, "");
  }
}

TEST(HallTableDesign, AnotherGroupStillDesignsWhenOneLacksItsClosingRow) {
  HallRig rig;
  rig.table(hallGroupsText({{}, {HallCore{}.line()}, {}}, {false, true, true}));
  rig.inputs({});
  rig.material(1);
  rig.run();
  EXPECT_TRUE(rig.h.events().empty());
  EXPECT_EQ(rig.outputs()[2], "BIG");
}

TEST(HallTableDesign, ReadAfreshAtEveryCalculation) {
  HallRig rig;
  rig.inputs({});
  HallCore core;
  core.part = "FIRST";
  rig.table(hallTableText({core}));
  rig.run();
  EXPECT_EQ(rig.outputs()[2], "FIRST");
  core.part = "SECOND";
  core.area = 2.5;
  rig.table(hallTableText({core}));
  rig.run();
  EXPECT_EQ(rig.outputs()[2], "SECOND");
  EXPECT_EQ(rig.outputs()[8], "2.500");
  std::filesystem::remove(rig.dir.path() / "Hall.txt");
  rig.run();
  EXPECT_EQ(rig.outputs(), kHallNoDesign);
  EXPECT_EQ(rig.h.events().size(), 1u);
}

TEST(HallTableDesign, PartNumbersAndSearchKeysAsTheFileHoldsThem) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string part;
    std::string commaPart;
  };
  const std::string big = ",1,2,0.5,1.234,5,125,0.4,0,0,0,0\r\n";
  const Case cases[] = {
      {"quotedWithComma", {"\"HG-1, coated\"" + big}, "HG-1, coated", "HG-1, coated"},
      {"bareNumber", {"1234.5" + big}, "1234.5", "1234,5"},
      {"bareText", {"  HG-2 " + big}, "HG-2", "HG-2"},
      // A size limit that is no number cannot match: the search moves on.
      {"textKeySkipped", {"\"A\",1,2,0.5,1,5,125,n/a,0,0,0,0\r\n", "\"B\"" + big}, "B", "B"},
      {"emptyKeySkipped", {"\"A\",1,2,0.5,1,5,125,,0,0,0,0\r\n", "\"B\"" + big}, "B", "B"},
  };
  for (const Case& c : cases) {
    for (const NumberLocale& loc : {NumberLocale::period(), NumberLocale::comma()}) {
      SCOPED_TRACE(std::string(c.name) + loc.decimal);
      HallRig rig(loc);
      rig.table(hallGroupsText({c.lines, c.lines, c.lines}));
      HallInputs in;
      in.conductor = loc.decimal == ',' ? "0,1" : "0.1";
      in.thickness = loc.decimal == ',' ? "0,5" : "0.5";
      rig.inputs(in);
      rig.run();
      EXPECT_TRUE(rig.h.events().empty());
      const std::string& part = loc.decimal == ',' ? c.commaPart : c.part;
      EXPECT_EQ(rig.outputs()[2], part);
      EXPECT_EQ(rig.outputs()[4], part);
      EXPECT_EQ(rig.outputs()[9], loc.decimal == ',' ? "5,00" : "5.00");
    }
  }
}

}  // namespace
}  // namespace windara::testing
