#pragma once
// A breach of what the core searches rely on in a core table, in words for
// the maker's engineer who edited the table.

#include <string>
#include <vector>

namespace windara {

struct TableFinding {
  std::string file;     // "TWC.txt"
  std::string rowNoun;  // how the table names its rows: "record" or "row"
  int row = 0;          // counted from 1; 0 when the finding is about the whole file
  int field = 0;        // counted from 1; 0 when it is about a whole line or file
  std::string problem;  // what is wrong, naming the field and its value
  std::string effect;   // what it does to the designs
};

// Every finding of one or more tables, in table order.
struct TablesCheck {
  std::vector<TableFinding> findings;
  bool unreadable = false;  // a table could not be opened at all

  void append(TablesCheck other);
};

// One line: "TWC.txt record 12: field 5 (0.41) is smaller than record 11's
// (0.44); the area search may pass over the smallest core that fits".
std::string findingLine(const TableFinding& finding);

}  // namespace windara
