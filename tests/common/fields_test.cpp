#include "common/fields.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/support.h"

namespace windara {
namespace {

std::vector<FieldReader::Field> allFields(const std::string& content) {
  std::istringstream in(content);
  FieldReader reader(in);
  std::vector<FieldReader::Field> out;
  try {
    for (;;)
      out.push_back(reader.next());
  } catch (const FileReadError&) {
  }
  return out;
}

std::vector<std::string> texts(const std::string& content) {
  std::vector<std::string> out;
  for (const auto& f : allFields(content))
    out.push_back(f.text);
  return out;
}

using Texts = std::vector<std::string>;

TEST(FieldReader, CommasAndEveryKindOfLineEndEndAField) {
  EXPECT_EQ(texts("a,b\r\nc\nd\re"), (Texts{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(texts("1,2,3\r\n4,5,6\r\n"), (Texts{"1", "2", "3", "4", "5", "6"}));
  // An empty line is an empty field; a comma before a line end leaves nothing between them.
  EXPECT_EQ(texts("a\r\n\r\nb"), (Texts{"a", "", "b"}));
  EXPECT_EQ(texts("a,,b"), (Texts{"a", "", "b"}));
}

TEST(FieldReader, BlanksBeforeAFieldAreSkippedAndAfterItDropped) {
  EXPECT_EQ(texts("  a ,\t b  \r\n   c"), (Texts{"a", "b", "c"}));
}

TEST(FieldReader, QuotedFieldsRunToTheNextQuote) {
  const auto fields = allFields("\"a, b\",\"\"\r\n\"x\"junk,y\r\n  \"q\"  \r\n\"open");
  ASSERT_EQ(fields.size(), 6u);
  EXPECT_EQ(fields[0].text, "a, b");
  EXPECT_TRUE(fields[0].quoted);
  EXPECT_EQ(fields[1].text, "");
  EXPECT_EQ(fields[2].text, "x");  // the rest up to the comma is skipped
  EXPECT_EQ(fields[3].text, "y");
  EXPECT_FALSE(fields[3].quoted);
  EXPECT_EQ(fields[4].text, "q");
  EXPECT_EQ(fields[5].text, "open");
}

TEST(FieldReader, AnUnclosedQuoteRunsToTheEndOfTheFile) {
  EXPECT_EQ(texts("\"abc\r\ndef"), (Texts{"abc\r\ndef"}));
}

TEST(FieldReader, ReadingPastTheEndIsAnError) {
  std::istringstream in("5\r\n");
  FieldReader reader(in);
  EXPECT_EQ(reader.readWhole(), 5);
  EXPECT_THROW(reader.next(), FileReadError);
  std::istringstream empty("");
  FieldReader none(empty);
  EXPECT_THROW(none.readText(), FileReadError);
}

TEST(FieldReader, TargetsTakeWhatTheyCan) {
  std::istringstream in("12.5,abc,\"7\",2.5,3.5,99999,\"N\",N,,1e3");
  FieldReader r(in);
  EXPECT_DOUBLE_EQ(r.readNumber(), 12.5);
  EXPECT_DOUBLE_EQ(r.readNumber(), 0.0);  // a non-number reads as 0
  EXPECT_DOUBLE_EQ(r.readNumber(), 7.0);
  EXPECT_EQ(r.readWhole(), 2);  // halves to even
  EXPECT_EQ(r.readWhole(), 4);
  EXPECT_THROW(r.readWhole(), CalcError);  // beyond a whole number's range
  const Cell quotedN = r.readCell();
  const Cell bareN = r.readCell();
  EXPECT_TRUE(quotedN.isTextEqual("N"));
  EXPECT_TRUE(bareN.isTextEqual("N"));
  EXPECT_EQ(r.readText(), "");
  const Cell number = r.readCell();
  EXPECT_TRUE(number.isNumber());
  EXPECT_DOUBLE_EQ(number.value(), 1000.0);
}

TEST(FieldReader, NumbersUseAPeriodWhateverTheLocale) {
  std::istringstream in("0.5,\"0,5\"");
  FieldReader r(in);
  const Cell a = r.readCell();
  const Cell b = r.readCell();
  EXPECT_TRUE(a.isNumber());
  EXPECT_EQ(a.generalText(NumberLocale::comma()), "0,5");
  EXPECT_TRUE(b.isText());
  EXPECT_EQ(b.generalText(NumberLocale::comma()), "0,5");
  EXPECT_THROW(b.value(), CalcError);
  EXPECT_DOUBLE_EQ(Cell().value(), 0.0);
  EXPECT_EQ(Cell().generalText(NumberLocale::period()), "");
}

TEST(FieldReader, AHugeFieldKeepsOnlyItsHead) {
  const std::string big(1 << 20, 'x');
  std::istringstream in(big + ",tail");
  FieldReader r(in, 100);
  EXPECT_EQ(r.readText().size(), 100u);
  EXPECT_EQ(r.readText(), "tail");
}

TEST(FieldWriter, WritesOneValuePerLineWithCrLf) {
  std::ostringstream out;
  FieldWriter w(out);
  w.writeWhole(2);
  w.writeText("0,5");
  w.writeText("");
  w.writeText("a\"b");
  EXPECT_EQ(out.str(), "2\r\n\"0,5\"\r\n\"\"\r\n\"a\"b\"\r\n");
  // Read back: the quote typed into a text ends it.
  EXPECT_EQ(texts(out.str()), (Texts{"2", "0,5", "", "a"}));
}

TEST(ReadTable, ReportsWhyATableIsIncomplete) {
  testing::TempDir dir;
  const auto file = dir.write("t.txt", "1,2,3\r\n4,5\r\n");
  const TableRead shortRead = readTable(file, 6);
  EXPECT_EQ(shortRead.problem, "ended after 5 of 6 fields");
  ASSERT_EQ(shortRead.cells.size(), 6u);
  EXPECT_DOUBLE_EQ(shortRead.cells[4].value(), 5.0);
  EXPECT_TRUE(shortRead.cells[5].isEmpty());

  const TableRead whole = readTable(file, 3);
  EXPECT_TRUE(whole.ok());

  const TableRead missing = readTable(dir.path() / "none.txt", 3);
  EXPECT_EQ(missing.problem.rfind("cannot be opened", 0), 0u) << missing.problem;
  const TableRead folder = readTable(dir.path(), 3);
  EXPECT_EQ(folder.problem, "cannot be opened: it is a folder");
}

}  // namespace
}  // namespace windara
