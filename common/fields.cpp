#include "common/fields.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>

namespace windara {

Cell Cell::number(double v) {
  Cell c;
  c.kind_ = Kind::Number;
  c.number_ = v;
  return c;
}

Cell Cell::text(std::string t) {
  Cell c;
  c.kind_ = Kind::Text;
  c.text_ = std::move(t);
  return c;
}

double Cell::value() const {
  switch (kind_) {
    case Kind::Empty:
      return 0.0;
    case Kind::Number:
      return number_;
    case Kind::Text:
      break;
  }
  return toNumber(text_, NumberLocale::period());
}

std::string Cell::generalText(const NumberLocale& locale) const {
  switch (kind_) {
    case Kind::Empty:
      return "";
    case Kind::Number:
      return formatGeneral(number_, locale);
    case Kind::Text:
      break;
  }
  return text_;
}

FieldReader::FieldReader(std::istream& in, std::size_t maxFieldLength)
    : in_(in), maxFieldLength_(maxFieldLength) {}

int FieldReader::get() {
  const int c = in_.get();
  if (c == std::char_traits<char>::eof() && in_.bad())
    throw FileReadError("the file cannot be read");
  return c;
}

int FieldReader::peek() {
  return in_.peek();
}

FieldReader::Field FieldReader::next() {
  constexpr int eof = std::char_traits<char>::eof();
  int c = get();
  while (c == ' ' || c == '\t')
    c = get();
  if (c == eof) throw FileReadError("read past the end of the file");

  Field field;
  auto append = [&](int ch) {
    if (field.text.size() < maxFieldLength_) field.text += static_cast<char>(ch);
  };
  auto endOfLine = [&](int ch) {
    // CR LF, LF or CR: one line end.
    if (ch == '\r' && peek() == '\n') get();
  };

  if (c == '"') {
    field.quoted = true;
    for (c = get(); c != eof && c != '"'; c = get())
      append(c);
    if (c == '"') {
      // Whatever follows the closing quote, up to the comma or line end, is skipped.
      for (c = get(); c != eof && c != ',' && c != '\r' && c != '\n'; c = get()) {
      }
      endOfLine(c);
    }
  } else {
    for (; c != eof && c != ',' && c != '\r' && c != '\n'; c = get())
      append(c);
    endOfLine(c);
    while (!field.text.empty() && (field.text.back() == ' ' || field.text.back() == '\t'))
      field.text.pop_back();
  }
  ++count_;
  return field;
}

Cell FieldReader::readCell() {
  Field f = next();
  if (f.quoted) return Cell::text(std::move(f.text));
  if (auto v = parseNumber(f.text, NumberLocale::period())) return Cell::number(*v);
  return Cell::text(std::move(f.text));
}

std::string FieldReader::readText() {
  return next().text;
}

double FieldReader::readNumber() {
  const Field f = next();
  return parseNumber(f.text, NumberLocale::period()).value_or(0.0);
}

std::int16_t FieldReader::readWhole() {
  return toInt16(readNumber());
}

void FieldWriter::writeText(std::string_view text) {
  out_ << '"' << text << "\"\r\n";
}

void FieldWriter::writeWhole(long value) {
  out_ << value << "\r\n";
}

TableRead readTable(const std::filesystem::path& file, std::size_t count) {
  TableRead table;
  table.cells.resize(count);
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    table.problem = "cannot be opened: it is a folder";
    return table;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    table.problem = std::string("cannot be opened: ") + std::strerror(errno);
    return table;
  }
  return readTable(in, count);
}

TableRead readTable(std::istream& in, std::size_t count) {
  TableRead table;
  table.cells.resize(count);
  FieldReader reader(in);
  try {
    for (std::size_t i = 0; i < count; ++i)
      table.cells[i] = reader.readCell();
  } catch (const FileReadError& e) {
    table.problem = "ended after " + std::to_string(reader.fieldsRead()) + " of " +
                    std::to_string(count) + " fields";
  }
  return table;
}

}  // namespace windara
