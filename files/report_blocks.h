#pragma once
// A document as plain blocks of content, laid out on pages by a front end: the
// engineering report is built here without any drawing code, so its content
// can be checked without a PDF.

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "checks/accuracy_class.h"

namespace windara {

struct Heading {
  std::string text;
};

// Running text, wrapped at the page width.
struct Paragraph {
  std::string text;
};

// Labels and values in two columns.
struct Items {
  std::vector<std::pair<std::string, std::string>> rows;
};

// A table with a header row; `marked` rows are drawn highlighted.
struct Table {
  std::vector<std::string> head;
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> marked;  // one per row
  // The first columns name a row: a table too wide for the page is drawn in
  // parts, each repeating them.
  std::size_t keyColumns = 0;
};

// Ratio error and phase displacement against primary current at each burden,
// with the limits of one class drawn around them.
struct EnvelopePlot {
  std::vector<ErrorPoint> points;
  std::optional<AccuracyClass> limits;  // none: the points alone
  std::string limitsCaption;            // "Class 0.5 limits"
};

using Block = std::variant<Heading, Paragraph, Items, Table, EnvelopePlot>;

// Appends a block, built in its place in the list.
template <class B>
void add(std::vector<Block>& blocks, B block) {
  blocks.emplace_back(std::in_place_type<B>, std::move(block));
}

// A phrase as a sentence of its own: a capital first letter and a full stop.
inline std::string sentence(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

struct ReportDocument {
  std::string title;
  std::string subtitle;
  std::vector<Block> blocks;
};

}  // namespace windara
