#pragma once
// Sequential text fields: the format of the core tables and the design files.
//
// A file is a sequence of fields, each ended by a comma or a line end (CR LF,
// LF or CR). Blanks before a field are skipped. A field starting with a double
// quote is a text running to the next double quote; whatever follows it up to
// the comma or line end is skipped. Any other field runs to the comma or line
// end (trailing blanks dropped) and is a number when it reads as one with a
// period as the decimal separator, a text otherwise.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "common/checked.h"
#include "common/number.h"

namespace windara {

// Reading past the end of a file, or a file that fails while being read.
struct FileReadError : CalcError {
  using CalcError::CalcError;
};

// A cell of a table: empty (never read), a number or a text.
class Cell {
 public:
  enum class Kind { Empty, Number, Text };

  Cell() = default;
  static Cell number(double v);
  static Cell text(std::string t);

  Kind kind() const { return kind_; }
  bool isEmpty() const { return kind_ == Kind::Empty; }
  bool isNumber() const { return kind_ == Kind::Number; }
  bool isText() const { return kind_ == Kind::Text; }

  // The cell in arithmetic and comparisons: empty reads as 0, a number as
  // itself, a text as the number it spells (period decimal) or CalcError.
  double value() const;
  // The cell's general text form: empty "", a text as it is, a number in the
  // general format at double precision.
  std::string generalText(const NumberLocale& locale) const;
  // True only for a text cell holding exactly `t`.
  bool isTextEqual(std::string_view t) const { return kind_ == Kind::Text && text_ == t; }
  const std::string& rawText() const { return text_; }

 private:
  Kind kind_ = Kind::Empty;
  double number_ = 0.0;
  std::string text_;
};

class FieldReader {
 public:
  // Fields longer than maxFieldLength keep their first maxFieldLength bytes;
  // the rest is read and dropped, so a huge line cannot exhaust memory.
  explicit FieldReader(std::istream& in, std::size_t maxFieldLength = 65536);

  struct Field {
    std::string text;
    bool quoted = false;
  };

  // The next field; FileReadError at the end of the file.
  Field next();

  Cell readCell();           // a number or a text, as the field holds
  std::string readText();    // the field's text
  double readNumber();       // the field's number; 0 when it holds none
  std::int16_t readWhole();  // as readNumber, rounded half to even; out of range is CalcError

  std::size_t fieldsRead() const { return count_; }

 private:
  int get();
  int peek();
  std::istream& in_;
  std::size_t maxFieldLength_;
  std::size_t count_ = 0;
};

class FieldWriter {
 public:
  explicit FieldWriter(std::ostream& out) : out_(out) {}
  void writeText(std::string_view text);  // "text" CR LF, unescaped
  void writeWhole(long value);            // 123 CR LF

 private:
  std::ostream& out_;
};

// A table read from a file: `count` cells in file order, and a short reason
// when the file could not be read whole ("cannot be opened: ...", "ended after
// 212 of 364 fields"). Cells not read stay empty.
struct TableRead {
  std::vector<Cell> cells;
  std::string problem;
  bool ok() const { return problem.empty(); }
};
TableRead readTable(const std::filesystem::path& file, std::size_t count);
// The same from a stream already open.
TableRead readTable(std::istream& in, std::size_t count);

}  // namespace windara
