#include "designs/common/table_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/table_copy.h"

namespace windara::testing {
namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string allLines(const TablesCheck& check) {
  std::string out;
  for (const TableFinding& f : check.findings)
    out += findingLine(f) + "\n";
  return out;
}

TEST(TableCheck, ShippedTablesPass) {
  const TablesCheck check = checkTables(dataDir());
  EXPECT_FALSE(check.unreadable);
  EXPECT_TRUE(check.findings.empty()) << allLines(check);
}

// One field, line or file of a shipped table broken, and the finding that must
// name it. Every other finding must be about the same file: the break shows
// in no other table.
struct Break {
  const char* file;
  std::function<void(TableText&)> edit;
  int row, field;
  const char* problem;  // a part of the finding's problem
};

void expectFound(const Break& b) {
  TableCopy copy;
  TableText table = copy.load(b.file);
  b.edit(table);
  copy.save(b.file, table);
  const TablesCheck check = checkTables(copy.path());
  EXPECT_FALSE(check.unreadable);
  bool found = false;
  for (const TableFinding& f : check.findings) {
    EXPECT_EQ(f.file, b.file) << findingLine(f);
    EXPECT_FALSE(f.effect.empty()) << findingLine(f);
    found = found || (f.file == b.file && f.row == b.row && f.field == b.field &&
                      contains(f.problem, b.problem));
  }
  EXPECT_TRUE(found) << b.file << " row " << b.row << " field " << b.field << ": " << b.problem
                     << "\nfound:\n"
                     << allLines(check);
}

auto set(int row, int field, std::string text) {
  return [=](TableText& t) { t.field(row, field) = text; };
}

TEST(TableCheck, EachBrokenTwcInvariantIsFoundAtItsRecordAndField) {
  const Break breaks[] = {
      // 46 whole records are 506 fields; the 507th is where record 47 begins.
      {"TWC.txt", [](TableText& t) { t.removeLinesFrom(47); }, 47, 1,
       "ended after 506 of 517 fields"},
      {"TWC.txt", [](TableText& t) { t.line(12).erase(t.line(12).begin() + 3); }, 12, 1,
       "line 12 holds 10 fields, not a whole record of 11"},
      // The empty line takes record 21's first field; everything after moves one place.
      {"TWC.txt", [](TableText& t) { t.insertLine(21, {""}); }, 21, 1,
       "line 21 is empty, which is read as one empty field"},
      {"TWC.txt", set(5, 6, "abc"), 5, 6, "field 6 (\"abc\") is not a number"},
      {"TWC.txt", set(5, 9, ""), 5, 9, "field 9 is empty where a number belongs"},
      {"TWC.txt", set(12, 5, "0.1"), 12, 5, "field 5 (0.1) is smaller than record 11's (0.1088)"},
      {"TWC.txt", set(12, 5, "0.1088"), 12, 5, "field 5 (0.1088) equals record 11's (0.1088)"},
      {"TWC.txt", set(30, 11, "13"), 30, 11, "field 11 (13) is smaller than record 29's (13.3473)"},
      {"TWC.txt", set(47, 5, "99999"), 47, 5, "field 5 (99999) is not the end-marker value 999999"},
      {"TWC.txt", set(47, 11, "999"), 47, 11, "field 11 (999) is not the end-marker value 9999"},
      // An end-marker value in a real record ends the search early.
      {"TWC.txt", set(40, 5, "999999"), 40, 5,
       "field 5 (999999) is not below the end-marker value 999999"},
      {"TWC.txt", set(45, 11, "9999"), 45, 11,
       "field 11 (9999) is not below the end-marker value 9999"},
      {"TWC.txt", set(3, 2, "0.5"), 3, 2, "field 2 (0.5) is not below field 3 (0.428)"},
      {"TWC.txt", set(3, 8, "0.5"), 3, 8, "field 8 (0.5) is not below field 9 (0.476)"},
      {"TWC.txt", set(7, 6, "0"), 7, 6, "field 6 (0) is not above zero"},
      {"TWC.txt", set(7, 4, "-0.1"), 7, 4, "field 4 (-0.1) is not above zero"},
      {"TWC.txt", set(9, 10, "0"), 9, 10, "field 10 (0) is not above zero"},
  };
  for (const Break& b : breaks)
    expectFound(b);
}

TEST(TableCheck, EachBrokenFerriteInvariantIsFoundAtItsRowAndField) {
  const Break breaks[] = {
      // 20 rows of 14 fields, and the end-marker row never comes.
      {"Ferrite.txt", [](TableText& t) { t.removeLinesFrom(21); }, 21, 1,
       "ended after 280 of 364 fields, before its end-marker row"},
      {"Ferrite.txt", set(26, 10, "998"), 26, 10,
       "no row within its first 26 has the end marker 999 in field 10"},
      {"Ferrite.txt", [](TableText& t) { t.line(8).push_back("0"); }, 8, 1,
       "line 8 holds 15 fields, not a whole row of 14"},
      {"Ferrite.txt", set(4, 7, "x"), 4, 7, "field 7 (\"x\") is not a number"},
      {"Ferrite.txt", set(14, 10, "0.3"), 14, 10,
       "field 10 (0.3) is smaller than row 13's (0.365)"},
      {"Ferrite.txt", set(10, 9, "99999"), 10, 9,
       "field 9 (99999) is not below the end-marker value 99999"},
      {"Ferrite.txt", set(3, 7, "123456"), 3, 7,
       "field 7 (123456) is not below the end-marker value 99999"},
      {"Ferrite.txt", set(25, 10, "1000"), 25, 10,
       "field 10 (1000) is not below the end-marker value 999"},
      {"Ferrite.txt", set(2, 2, "0.2"), 2, 2, "field 2 (0.2) is not below field 3 (0.125)"},
      {"Ferrite.txt", set(6, 5, "0"), 6, 5, "field 5 (0) is not above zero"},
      {"Ferrite.txt", set(6, 10, "-1"), 6, 10, "field 10 (-1) is not above zero"},
  };
  for (const Break& b : breaks)
    expectFound(b);
}

TEST(TableCheck, EachBrokenHallInvariantIsFoundAtItsRowAndColumn) {
  const Break breaks[] = {
      {"Hall.txt", [](TableText& t) { t.removeLinesFrom(26); }, 26, 1,
       "ended after 300 of 312 fields"},
      {"Hall.txt", [](TableText& t) { t.line(4).pop_back(); }, 4, 1,
       "line 4 holds 11 fields, not a whole row of 12"},
      {"Hall.txt", set(3, 6, "abc"), 3, 6, "column 6 (\"abc\") is not a number"},
      {"Hall.txt", set(12, 8, "0.1"), 12, 8, "column 8 (0.1) is smaller than row 11's (0.245)"},
      {"Hall.txt", set(20, 8, "0.185"), 20, 8, "column 8 (0.185) equals row 19's (0.185)"},
      {"Hall.txt", set(8, 8, "0.9"), 8, 8, "column 8 (0.9) is not the closing mark 999"},
      {"Hall.txt", set(16, 8, "\"END\""), 16, 8, "column 8 (\"END\") is not the closing mark 999"},
      {"Hall.txt", set(26, 8, "998"), 26, 8, "column 8 (998) is not the closing mark 999"},
      {"Hall.txt", set(5, 8, "999"), 5, 8, "column 8 (999) is not below the closing mark 999"},
      {"Hall.txt", set(20, 2, "1.2"), 20, 2, "column 2 (1.2) is not below column 3 (1)"},
      {"Hall.txt", set(18, 7, "0"), 18, 7, "column 7 (0) is not above zero"},
      {"Hall.txt", set(2, 8, "-0.2"), 2, 8, "column 8 (-0.2) is not above zero"},
  };
  for (const Break& b : breaks)
    expectFound(b);
}

TEST(TableCheck, EffectsSayWhatTheBreachDoesToTheDesigns) {
  TableCopy copy;
  TableText hall = copy.load("Hall.txt");
  hall.field(8, 8) = "0.9";   // Ovimax has no closing row at all
  hall.field(14, 8) = "999";  // Zendra closes at row 14, not 16
  hall.field(16, 8) = "0.9";
  copy.save("Hall.txt", hall);
  TableText twc = copy.load("TWC.txt");
  twc.field(12, 5) = "0.1";
  copy.save("TWC.txt", twc);

  const std::string lines = allLines(checkTables(copy.path()));
  for (const char* line : {
           "TWC.txt record 12: field 5 (0.1) is smaller than record 11's (0.1088); the area "
           "search may pass over the smallest core that fits\n",
           "Hall.txt row 8: column 8 (0.9) is not the closing mark 999; the Ovimax group has no "
           "closing row, so every Ovimax design stops with the Core Table message\n",
           "Hall.txt row 14: column 8 (999) is not below the closing mark 999; the Zendra search "
           "stops here at the latest, so the group's later rows are never reached\n",
           "Hall.txt row 16: column 8 (0.9) is not the closing mark 999; the Zendra group closes "
           "early, at row 14\n",
       }) {
    EXPECT_TRUE(contains(lines, line)) << line << "\n" << lines;
  }
}

// A lost line moves an end-marker or closing row up among the real ones: that
// row is reported as a mark only, and not for its zero sizes or as out of order.
TEST(TableCheck, AMarkAmongRealRowsIsReportedOnce) {
  const struct {
    const char* file;
    int lostLine, markRow;
    const char* problem;
  } cases[] = {
      {"Hall.txt", 8, 15, "column 8 (999) is not below the closing mark 999"},
      {"TWC.txt", 46, 46, "field 5 (999999) is not below the end-marker value 999999"},
  };
  for (const auto& c : cases) {
    TableCopy copy;
    TableText table = copy.load(c.file);
    table.line(c.lostLine).clear();
    std::string text = table.text();
    copy.save(c.file, TableText(text.replace(text.find("\r\n\r\n"), 2, "")));
    const TablesCheck check = checkTables(copy.path());
    for (const TableFinding& f : check.findings) {
      if (f.row == c.markRow) {
        EXPECT_TRUE(contains(f.problem, "is not below the")) << f.problem;
      }
      EXPECT_FALSE(contains(f.problem, "'s (999")) << findingLine(f);
    }
    EXPECT_TRUE(contains(allLines(check), c.problem)) << allLines(check);
  }
}

// The readers count fields, not lines: layouts that read the same must pass,
// and what the searches never reach is not checked.
TEST(TableCheck, LayoutsThatReadTheSamePass) {
  const struct {
    const char* file;
    std::function<std::string(const std::string&)> relayout;
  } cases[] = {
      // Two records per line.
      {"TWC.txt",
       [](const std::string& text) {
         std::string out;
         int n = 0;
         for (char c : text) {
           if (c == '\r') continue;
           out += c == '\n' && ++n % 2 == 1 ? ',' : c;
         }
         return out;
       }},
      // Every field on a line of its own.
      {"Hall.txt",
       [](const std::string& text) {
         std::string out;
         for (char c : text)
           out += c == ',' ? std::string("\r\n") : std::string(1, c);
         return out;
       }},
      // The file ends right after the end-marker row, moved up to row 12.
      {"Ferrite.txt",
       [](const std::string& text) {
         TableText t(text);
         t.line(12) = t.line(26);
         t.removeLinesFrom(13);
         return t.text();
       }},
      // Rows after the end marker may hold anything, even the wrong field count.
      {"Ferrite.txt",
       [](const std::string& text) {
         TableText t(text);
         t.line(20) = t.line(26);
         t.line(22) = {"junk"};
         return t.text();
       }},
      // A 48th line is never read.
      {"TWC.txt", [](const std::string& text) { return text + "\"X\",junk\r\n\r\n"; }},
      // Ties in the winding diameter are allowed: it must only not decrease.
      {"Ferrite.txt",
       [](const std::string& text) {
         TableText t(text);
         t.field(14, 10) = t.field(13, 10);
         return t.text();
       }},
  };
  for (const auto& c : cases) {
    TableCopy copy;
    copy.save(c.file, TableText(c.relayout(readFile(copy.path() / c.file))));
    const TablesCheck check = checkTables(copy.path());
    EXPECT_TRUE(check.findings.empty()) << c.file << "\n" << allLines(check);
  }
}

TEST(TableCheck, AMissingTableIsUnreadableAndTheOthersAreStillChecked) {
  TableCopy copy;
  std::filesystem::remove(copy.path() / "Ferrite.txt");
  TableText twc = copy.load("TWC.txt");
  twc.field(12, 5) = "0.1";
  copy.save("TWC.txt", twc);

  const TablesCheck check = checkTables(copy.path());
  EXPECT_TRUE(check.unreadable);
  ASSERT_EQ(check.findings.size(), 2u) << allLines(check);
  EXPECT_EQ(check.findings[0].file, "TWC.txt");
  EXPECT_EQ(check.findings[1].file, "Ferrite.txt");
  EXPECT_EQ(check.findings[1].row, 0);
  EXPECT_TRUE(contains(findingLine(check.findings[1]),
                       "Ferrite.txt: cannot be opened: No such file or directory; every SMPS "
                       "design stops with the Core Table message"))
      << findingLine(check.findings[1]);
}

}  // namespace
}  // namespace windara::testing
