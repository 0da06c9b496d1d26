#pragma once
// The shipped core tables copied into a fresh folder, where a test breaks one
// field, line or file before checking them.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "support/support.h"

namespace windara::testing {

// One table file as lines of comma-separated fields. The shipped tables hold
// no comma inside a quoted text, so splitting at commas is exact for them.
class TableText {
 public:
  explicit TableText(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(split(line));
      start = end + 1;
    }
  }

  // Row and field counted from 1, one row per line as shipped.
  std::string& field(int row, int field) {
    return lines_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(field - 1));
  }
  std::vector<std::string>& line(int row) { return lines_.at(static_cast<std::size_t>(row - 1)); }
  // A line before line `row`; an empty one is written as an empty line.
  void insertLine(int row, std::vector<std::string> fields) {
    lines_.insert(lines_.begin() + (row - 1), std::move(fields));
  }
  void removeLinesFrom(int row) { lines_.resize(static_cast<std::size_t>(row - 1)); }

  std::string text() const {
    std::string out;
    for (const auto& l : lines_) {
      for (std::size_t i = 0; i < l.size(); ++i)
        out += (i > 0 ? "," : "") + l[i];
      out += "\r\n";
    }
    return out;
  }

 private:
  static std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
      fields.push_back(line.substr(start, comma - start));
    fields.push_back(line.substr(start));
    return fields;
  }

  std::vector<std::vector<std::string>> lines_;
};

inline const char* const kShippedTables[] = {"TWC.txt", "Ferrite.txt", "Hall.txt"};

// A folder holding copies of the three shipped tables.
class TableCopy {
 public:
  TableCopy() {
    for (const char* name : kShippedTables)
      dir_.write(name, readFile(dataDir() / name));
  }
  const std::filesystem::path& path() const { return dir_.path(); }

  TableText load(const std::string& name) const { return TableText(readFile(path() / name)); }
  void save(const std::string& name, const TableText& table) const {
    dir_.write(name, table.text());
  }

 private:
  TempDir dir_;
};

}  // namespace windara::testing
