#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designs/trad/tape_core_table.h"
#include "trad_fixture.h"

namespace windara::testing {
namespace {

// Record i (from 1) of a well-formed table: numbers that tell records and fields apart.
std::string numberedRecord(int i) {
  std::string r = "\"C" + std::to_string(i) + "\"";
  for (int field = 2; field <= 11; ++field) {
    if (field == 7) {
      r += ",\"Y\"";
    } else {
      r += "," + std::to_string(i * 100 + field);
    }
  }
  return r;
}

std::vector<std::string> numberedRecords(int count) {
  std::vector<std::string> out;
  for (int i = 1; i <= count; ++i)
    out.push_back(numberedRecord(i));
  return out;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines)
    text += l + "\r\n";
  return text;
}

void expectNumbered(const TapeCoreTable& t, int records) {
  ASSERT_TRUE(t.ok()) << t.problem;
  for (int r = 1; r <= records; ++r) {
    EXPECT_TRUE(t.at(r, kTapeStem).isTextEqual("C" + std::to_string(r)));
    EXPECT_EQ(t.at(r, kTapeArea2mil).value(), r * 100 + 5);
    EXPECT_EQ(t.at(r, kTapeWindow).value(), r * 100 + 11);
  }
}

TEST(TapeCoreTable, LayoutsReadIntoTheSameCells) {
  TempDir dir;
  const std::vector<std::string> records = numberedRecords(47);

  // One record per line, and a 48th line that must never be read.
  dir.write("TWC.txt", joinLines(records) + "\"X\",1,2,3,4,5,6,7,8,9,10\r\n");
  const TapeCoreTable perLine = readTapeCoreTable(dir.path());
  expectNumbered(perLine, 47);

  // Two records (22 fields) on each line, LF only.
  std::string paired;
  for (std::size_t i = 0; i < records.size(); ++i) {
    paired += records[i] + (i % 2 == 0 && i + 1 < records.size() ? "," : "\n");
  }
  dir.write("TWC.txt", paired);
  const TapeCoreTable twoPerLine = readTapeCoreTable(dir.path());
  expectNumbered(twoPerLine, 47);
  for (std::size_t i = 0; i < perLine.cells.size(); ++i) {
    EXPECT_EQ(perLine.cells[i].generalText(NumberLocale::period()),
              twoPerLine.cells[i].generalText(NumberLocale::period()));
  }
}

TEST(TapeCoreTable, QuotedAndUnquotedLettersReadAsText) {
  TempDir dir;
  std::vector<std::string> records = numberedRecords(47);
  records[0] = "\"A\",1,2,3,4,5,\"N\",8,9,10,11";
  records[1] = "B,1,2,3,4,5,N,8,9,10,11";
  records[2] = "\"C\",1,2,3,4,5,  n ,8,9,10,11";
  dir.write("TWC.txt", joinLines(records));
  const TapeCoreTable t = readTapeCoreTable(dir.path());
  ASSERT_TRUE(t.ok());
  EXPECT_TRUE(t.at(1, kTape4milMade).isTextEqual("N"));
  EXPECT_TRUE(t.at(2, kTape4milMade).isTextEqual("N"));
  EXPECT_TRUE(t.at(2, kTapeStem).isTextEqual("B"));
  EXPECT_FALSE(t.at(3, kTape4milMade).isTextEqual("N"));
}

TEST(TapeCoreTable, ShortOrMissingFileSaysWhy) {
  TempDir dir;
  const TapeCoreTable missing = readTapeCoreTable(dir.path());
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.problem.find("cannot be opened"), std::string::npos) << missing.problem;

  // 516 fields: the last record lacks its window.
  std::string text = joinLines(numberedRecords(47));
  text = text.substr(0, text.rfind(',')) + "\r\n";
  dir.write("TWC.txt", text);
  const TapeCoreTable shortFile = readTapeCoreTable(dir.path());
  EXPECT_EQ(shortFile.problem, "ended after 516 of 517 fields");
  EXPECT_TRUE(shortFile.at(47, kTapeWindow).isEmpty());
}

TEST(TapeCoreTable, SearchIsStrictBoundedAndSkipsTexts) {
  TempDir dir;
  std::vector<std::string> records = numberedRecords(47);
  records[2] = "\"C3\",1,2,3,big,5,\"Y\",8,9,10,11";
  dir.write("TWC.txt", joinLines(records));
  const TapeCoreTable t = readTapeCoreTable(dir.path());
  ASSERT_TRUE(t.ok());
  struct {
    int field;
    double key;
    int from;
    std::optional<int> want;
  } const cases[] = {
      {kTapeArea2mil, 0, 1, 1},
      {kTapeArea2mil, 105, 1, 2},
      {kTapeArea2mil, 104.9, 1, 1},
      {kTapeArea2mil, 205, 1, 4},  // record 3 is text
      {kTapeArea2mil, 4705, 1, std::nullopt},
      {kTapeWindow, 111, 5, 5},
      {kTapeWindow, 611, 5, 7},
      {kTapeWindow, 1e9, 40, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(firstRecordAbove(t, c.field, c.key, c.from), c.want) << c.field << " " << c.key;
  }
}

// The catalogue we ship keeps the order the searches rely on.
TEST(TapeCoreTable, ShippedCatalogueKeepsItsInvariants) {
  const TapeCoreTable t = readTapeCoreTable(dataDir());
  ASSERT_TRUE(t.ok()) << t.problem;
  for (int r = 1; r < TapeCoreTable::kRecords; ++r) {
    SCOPED_TRACE(r);
    for (int field = 2; field <= 11; ++field) {
      if (field != kTape4milMade) {
        EXPECT_TRUE(t.at(r, field).isNumber());
      }
    }
    EXPECT_TRUE(t.at(r, kTapeStem).isText());
    EXPECT_TRUE(t.at(r, kTape4milMade).isText());
    EXPECT_LT(t.at(r, kTapeArea2mil).value(), t.at(r + 1, kTapeArea2mil).value());
    EXPECT_LT(t.at(r, kTapeWindow).value(), t.at(r + 1, kTapeWindow).value());
    // The case wall: the winding sees a smaller hole and a larger outside.
    EXPECT_LT(t.at(r, kTapeWindID).value(), t.at(r, kTapeID).value());
    EXPECT_GT(t.at(r, kTapeWindOD).value(), t.at(r, kTapeOD).value());
    EXPECT_GT(t.at(r, kTapeWindHeight).value(), t.at(r, kTapeHeight).value());
  }
  EXPECT_EQ(t.at(47, kTapeArea2mil).value(), kTapeAreaEnd);
  EXPECT_EQ(t.at(47, kTapeWindow).value(), kTapeWindowEnd);
  EXPECT_TRUE(t.at(1, kTape4milMade).isTextEqual("N"));
  EXPECT_TRUE(t.at(46, kTape4milMade).isTextEqual("N"));
  EXPECT_TRUE(t.at(20, kTape4milMade).isTextEqual("Y"));
}

using TableInDesign = TradDesign;

TEST_F(TableInDesign, UnusableTableIsReportedAfterTheWireMessage) {
  struct {
    const char* name;
    std::optional<std::string> content;  // nothing: no file
    const char* problem;
  } const cases[] = {
      {"missing", std::nullopt, "cannot be opened"},
      {"short", "\"A\",1,2,3,4,5,\"Y\",8,9,10,11\r\n", "ended after 11 of 517 fields"},
      {"empty", "", "ended after 0 of 517 fields"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    start(tapeTable({}));
    std::filesystem::remove(dir().path() / "TWC.txt");
    if (c.content) dir().write("TWC.txt", *c.content);
    form().txtCore.text = "old";
    form().txtID.text = "old";
    inputs({"5", "60", "4000", "400", "100", "15000"});
    calculate();
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0], wireMessage("1209"));
    EXPECT_EQ(events()[1].title, "Core Table");
    EXPECT_EQ(events()[1].icon, Icon::Critical);
    EXPECT_NE(events()[1].text.find("TWC.txt"), std::string::npos);
    EXPECT_NE(events()[1].text.find(c.problem), std::string::npos) << events()[1].text;
    EXPECT_EQ(outputs(), kNoDesign);
  }
}

TEST_F(TableInDesign, TableIsReadAfreshAtEveryCalculation) {
  const std::string core = ",0.5,1,0.25,2,10,\"Y\",0.5,1,0.25,1";
  start(tapeTable({"\"FIRST\"" + core}));
  calculate();
  EXPECT_EQ(form().txtCore.text, "FIRST-2S");
  dir().write("TWC.txt", tapeTable({"\"SECOND\"" + core}));
  calculate();
  EXPECT_EQ(form().txtCore.text, "SECOND-2S");
  EXPECT_TRUE(events().empty());
}

TEST_F(TableInDesign, TableWithoutEndMarkerStopsAtItsLastRecord) {
  // 47 real cores, every one too small in area, then in window.
  std::vector<std::string> small;
  for (int i = 1; i <= 47; ++i) {
    small.push_back("\"S" + std::to_string(i) + "\",0.5,1,0.25," + std::to_string(0.001 * i) +
                    ",10,\"Y\",0.5,1,0.25,1");
  }
  start(tapeTable(small, false));
  calculate();
  EXPECT_EQ(events(), std::vector<DialogEvent>{kAreaTooLarge});
  EXPECT_EQ(outputs(), kNoDesign);

  std::vector<std::string> narrow;
  for (int i = 1; i <= 47; ++i) {
    narrow.push_back("\"W" + std::to_string(i) + "\",0.5,1,0.25," + std::to_string(i) +
                     ",10,\"Y\",0.5,1,0.25," + std::to_string(0.001 * i));
  }
  start(tapeTable(narrow, false));
  calculate();
  EXPECT_EQ(events(), std::vector<DialogEvent>{kWindowTooLarge});
  EXPECT_EQ(outputs(), kNoDesign);
}

}  // namespace
}  // namespace windara::testing
