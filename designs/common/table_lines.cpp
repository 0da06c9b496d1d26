#include "designs/common/table_lines.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace windara {

namespace {

struct Line {
  int number = 1;              // counted from 1
  std::size_t firstField = 0;  // index of its first field in the file, from 0
  std::size_t fields = 0;
  bool empty = false;  // nothing on it: the reader takes it for one empty field
};

// Line ends in text[from, to): CR LF, LF or CR.
int lineEnds(const std::string& text, std::size_t from, std::size_t to) {
  int n = 0;
  for (std::size_t i = from; i < to; ++i)
    n += text[i] == '\n' || (text[i] == '\r' && (i + 1 >= to || text[i + 1] != '\n'));
  return n;
}

// The lines that hold the first `fieldsUsed` fields, as the field reader
// splits them: a field that ends with a line end closes its line.
std::vector<Line> linesOf(const std::string& text, std::size_t fieldsUsed) {
  std::istringstream in(text);
  FieldReader reader(in);
  std::vector<Line> lines;
  Line current;
  std::size_t consumed = 0;
  try {
    while (reader.fieldsRead() < fieldsUsed) {
      const FieldReader::Field field = reader.next();
      const std::streampos pos = in.tellg();
      const std::size_t end =
          pos == std::streampos(-1) ? text.size() : static_cast<std::size_t>(pos);
      current.empty = current.fields == 0 && !field.quoted && field.text.empty();
      ++current.fields;
      // Line ends inside a quoted field still count for the line numbers.
      const int ends = lineEnds(text, consumed, end);
      consumed = end;
      if (ends > 0 || end == text.size()) {
        lines.push_back(current);
        current = Line{current.number + ends, reader.fieldsRead(), 0, false};
      } else {
        current.empty = false;
      }
    }
  } catch (const FileReadError&) {
  }
  if (current.fields > 0) lines.push_back(current);
  return lines;
}

}  // namespace

void checkLines(const std::filesystem::path& file, std::size_t fieldsUsed, TableRules& rules) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::vector<Line> lines = linesOf(bytes.str(), fieldsUsed);

  const auto width = static_cast<std::size_t>(rules.shape().width);
  std::size_t whole = 0;
  for (const Line& l : lines)
    whole += l.fields % width == 0;
  // Rows split over lines read just as well; only a file that keeps whole
  // rows on its lines tells where one went wrong.
  if (whole * 2 <= lines.size()) return;

  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const Line& l = lines[i];
    if (l.fields % width == 0) continue;
    const std::string where = "line " + std::to_string(l.number);
    const std::string problem = l.empty ? where + " is empty, which is read as one empty field"
                                        : where + " holds " + std::to_string(l.fields) +
                                              " fields, not a whole " + rules.shape().rowNoun +
                                              " of " + std::to_string(width);
    rules.add(static_cast<int>(l.firstField / width) + 1,
              static_cast<int>(l.firstField % width) + 1, problem,
              "the table is read by field count, not by line, so the fields after it land in the "
              "wrong places");
  }
}

}  // namespace windara
