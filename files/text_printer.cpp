#include "files/text_printer.h"

namespace windara {

namespace {
// Characters on a line, counting a UTF-8 sequence as one.
std::size_t width(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    n += (c & 0xC0) != 0x80;
  return n;
}
}  // namespace

void TextPrinter::moveToColumn(int column) {
  const std::size_t target = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
  if (width(line_) > target) endLine();
  line_.append(target - width(line_), ' ');
}

void TextPrinter::endLine() {
  lines_.push_back(line_);
  line_.clear();
}

void TextPrinter::endDocument() {
  if (!line_.empty()) endLine();
  ended_ = true;
}

std::string TextPrinter::text() const {
  std::string out;
  for (const auto& l : lines_)
    out += l + "\n";
  return out;
}

}  // namespace windara
