#include <gtest/gtest.h>

#include <filesystem>

#include "designs/smps/ferrite_table.h"
#include "smps_fixture.h"
#include "support/harness.h"

namespace windara::testing {
namespace {

using smps::catalogue;
using smps::coreLine;
using smps::CoreRow;
using smps::markerLine;

std::vector<CoreRow> rows(int count) {
  std::vector<CoreRow> r(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    r[static_cast<std::size_t>(k)].wid = std::to_string(0.1 * (k + 1));
    r[static_cast<std::size_t>(k)].code = "\"C" + std::to_string(k + 1) + "\"";
  }
  return r;
}

std::vector<std::string> texts(const FerriteTable& t) {
  std::vector<std::string> out;
  for (const Cell& c : t.cells) {
    out.push_back(std::to_string(static_cast<int>(c.kind())) + ":" +
                  c.generalText(NumberLocale::period()));
  }
  return out;
}

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
  for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
  return s;
}

TEST(FerriteTable, LineLayoutDoesNotMatter) {
  const std::string perRow = catalogue(rows(5), 20);
  const std::string oneLine = replaceAll(perRow, "\r\n", ",");
  const std::string perField = replaceAll(oneLine, ",", "\n");
  const std::string mixedEnds = replaceAll(replaceAll(perRow, "\r\n", "\r"), ",0.5,", ",0.5\n");

  TempDir a, b, c, d;
  a.write(kFerriteFile, perRow);
  b.write(kFerriteFile, oneLine);
  c.write(kFerriteFile, perField);
  d.write(kFerriteFile, mixedEnds);
  const FerriteTable ta = readFerriteTable(a.path());
  ASSERT_TRUE(ta.ok()) << ta.problem;
  EXPECT_EQ(ta.endMarkerRow, 6);
  EXPECT_EQ(ta.at(2, 1).rawText(), "C2");
  EXPECT_DOUBLE_EQ(ta.at(3, 10).value(), 0.3);
  EXPECT_TRUE(ta.at(6, 14).isText());
  for (const TempDir* dir : {&b, &c, &d}) {
    const FerriteTable t = readFerriteTable(dir->path());
    ASSERT_TRUE(t.ok()) << t.problem;
    EXPECT_EQ(texts(t), texts(ta));
  }
}

TEST(FerriteTable, QuotedFieldKeepsItsComma) {
  CoreRow r;
  r.code = "\"12,5\" trailing";
  r.prefix = "\"F,T\"";
  TempDir dir;
  dir.write(kFerriteFile, catalogue({r}));
  const FerriteTable t = readFerriteTable(dir.path());
  ASSERT_TRUE(t.ok()) << t.problem;
  EXPECT_EQ(t.at(1, 1).rawText(), "12,5");
  EXPECT_DOUBLE_EQ(t.at(1, 2).value(), 0.5);
  EXPECT_EQ(t.at(1, 14).rawText(), "F,T");
  EXPECT_EQ(t.endMarkerRow, 2);
}

struct ProblemCase {
  const char* name;
  std::string content;
  int endMarkerRow;     // when usable
  std::string problem;  // empty when usable
};

void PrintTo(const ProblemCase& c, std::ostream* os) {
  *os << c.name;
}

class FerriteTableProblems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(FerriteTableProblems, SaysWhyOrFindsTheMarker) {
  const ProblemCase& c = GetParam();
  TempDir dir;
  dir.write(kFerriteFile, c.content);
  const FerriteTable t = readFerriteTable(dir.path());
  EXPECT_EQ(t.problem, c.problem);
  if (c.problem.empty()) {
    EXPECT_EQ(t.endMarkerRow, c.endMarkerRow);
  }
  EXPECT_EQ(t.cells.size(), 364u);
}

std::string rowsText(int count) {
  std::string s;
  for (const CoreRow& r : rows(count))
    s += coreLine(r);
  return s;
}

// The marker row cut to its first `fields` fields.
std::string cutMarker(int fields) {
  std::string m = markerLine();
  std::size_t end = 0;
  for (int k = 0; k < fields; ++k)
    end = m.find(',', end) + 1;
  return m.substr(0, end - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FerriteTableProblems,
    ::testing::Values(
        ProblemCase{"ends_right_after_marker", rowsText(11) + markerLine(), 12, ""},
        ProblemCase{"ends_after_marker_without_line_end",
                    rowsText(3) + markerLine().substr(0, markerLine().size() - 2), 4, ""},
        ProblemCase{"thirty_rows", rowsText(25) + markerLine() + rowsText(4), 26, ""},
        ProblemCase{"marker_first", markerLine(), 1, ""},
        ProblemCase{"ends_before_marker", rowsText(5), 0,
                    "ended after 70 of 364 fields, before its end-marker row"},
        // The marker's 999 and its AL fields are all the searches need.
        ProblemCase{"ends_in_marker_row_after_its_999", rowsText(2) + cutMarker(10), 3, ""},
        ProblemCase{"ends_in_marker_row_without_part_number", rowsText(2) + cutMarker(13), 3, ""},
        ProblemCase{"ends_in_marker_row_before_its_999", rowsText(2) + cutMarker(9), 0,
                    "ended after 37 of 364 fields, before its end-marker row"},
        ProblemCase{"empty_file", "", 0, "ended after 0 of 364 fields, before its end-marker row"},
        ProblemCase{"no_marker_in_26_rows", rowsText(26) + markerLine(), 0,
                    "no row within its first 26 has the end marker 999 in field 10"},
        ProblemCase{"marker_as_unreadable_text",
                    rowsText(3) + replaceAll(markerLine(), ",999,", ",nine,") + rowsText(22), 0,
                    "no row within its first 26 has the end marker 999 in field 10"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FerriteTable, MissingFileOrFolderCannotBeOpened) {
  TempDir dir;
  EXPECT_EQ(readFerriteTable(dir.path()).problem.rfind("cannot be opened", 0), 0u);
  std::filesystem::create_directory(dir.path() / kFerriteFile);
  EXPECT_EQ(readFerriteTable(dir.path()).problem.rfind("cannot be opened", 0), 0u);
}

struct ReportCase {
  const char* name;
  std::string content;  // "-": no file at all
  std::string reason;
};

TEST(FerriteTable, UnusableTableIsReportedAndClearsTheResults) {
  const ReportCase cases[] = {
      {"missing", "-", "cannot be opened: No such file or directory"},
      {"short", rowsText(5), "ended after 70 of 364 fields, before its end-marker row"},
      {"no marker", rowsText(26), "no row within its first 26 has the end marker 999 in field 10"},
  };
  for (const ReportCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.write(kFerriteFile, catalogue(rows(5)));
    Harness h(dir.path());
    h.app.optSMPS_Click();
    h.app.cmdCalculate_Click();
    ASSERT_TRUE(h.events().empty());
    ASSERT_EQ(h.form().txtCore.text, "FTQ-C3-GX");  // a design to be replaced

    if (c.content == "-") {
      std::filesystem::remove(dir.path() / kFerriteFile);
    } else {
      dir.write(kFerriteFile, c.content);
    }
    h.app.cmdCalculate_Click();
    ASSERT_EQ(h.events().size(), 1u);
    const DialogEvent& e = h.events()[0];
    EXPECT_EQ(e.title, "Core Table");
    EXPECT_EQ(e.icon, Icon::Critical);
    EXPECT_EQ(e.text, "The core table " + (dir.path() / kFerriteFile).string() +
                          " cannot be used:\r" + c.reason +
                          ".\rNo design can be calculated until the file is repaired.");
    EXPECT_EQ(smps::outputs(h.form()), smps::noDesign());
  }
}

}  // namespace
}  // namespace windara::testing
