#include "designs/common/table_finding.h"

#include <iterator>

namespace windara {

void TablesCheck::append(TablesCheck other) {
  findings.insert(findings.end(), std::make_move_iterator(other.findings.begin()),
                  std::make_move_iterator(other.findings.end()));
  unreadable = unreadable || other.unreadable;
}

std::string findingLine(const TableFinding& finding) {
  std::string line = finding.file;
  if (finding.row > 0) line += " " + finding.rowNoun + " " + std::to_string(finding.row);
  return line + ": " + finding.problem + "; " + finding.effect;
}

}  // namespace windara
