#pragma once
// A printer that lays the report out as plain text: column n starts after
// n - 1 characters, bold is not marked.

#include <string>
#include <vector>

#include "common/ports.h"

namespace windara {

class TextPrinter : public Printer {
 public:
  void setFontSize(int) override {}
  void setBold(bool) override {}
  void print(std::string_view text) override { line_ += text; }
  void moveToColumn(int column) override;
  void endLine() override;
  void endDocument() override;

  // Finished lines; the document's text once it has ended.
  const std::vector<std::string>& lines() const { return lines_; }
  std::string text() const;
  bool ended() const { return ended_; }

 private:
  std::string line_;
  std::vector<std::string> lines_;
  bool ended_ = false;
};

}  // namespace windara
