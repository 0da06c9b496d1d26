// CSV rows of a sweep: the six input texts, the varied values as numbers, the
// twelve output texts, the same as numbers where they are numbers, the
// message titles, whether a core was found and the complaint of an invalid
// point.

#include <optional>
#include <ostream>

#include "cli/sweep_output.h"
#include "sweep/shown_number.h"

namespace windara::cli {

namespace {

// A field quoted as RFC 4180 asks when it holds a comma, a quote or a line end.
void field(std::ostream& out, std::string_view text, bool first = false) {
  if (!first) out << ',';
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out << text;
    return;
  }
  out << '"';
  for (char c : text) {
    if (c == '"') out << '"';
    out << c;
  }
  out << '"';
}

void numberField(std::ostream& out, const std::optional<double>& v) {
  field(out, v ? plainNumber(*v) : "");
}

class CsvOutput : public SweepOutput {
 public:
  CsvOutput(std::ostream& out, const SweepHeading& heading) : out_(out), locale_(heading.locale) {
    bool first = true;
    for (const NamedBox& b : kInputBoxes) {
      field(out_, b.name, first);
      first = false;
    }
    for (const SweepAxis& a : heading.axes)
      field(out_, std::string(a.box.name) + "_number");
    for (const NamedBox& b : kOutputBoxes)
      field(out_, b.name);
    for (const NamedBox& b : kOutputBoxes)
      field(out_, std::string(b.name) + "_number");
    for (const char* name : {"messages", "found", "invalid"})
      field(out_, name);
    out_ << "\r\n";
  }

  void point(const std::vector<BoxValue>& values, const SweepPoint& p) override {
    for (std::size_t k = 0; k < p.inputs.size(); ++k)
      field(out_, p.inputs[k], k == 0);
    for (const BoxValue& v : values)
      numberField(out_, parseNumber(v.text, locale_));
    for (const std::string& text : p.outputs)
      field(out_, text);
    for (const std::string& text : p.outputs)
      numberField(out_, p.invalid ? std::nullopt : shownNumber(text, locale_));
    std::string titles;
    for (const std::string& t : p.messages)
      titles += (titles.empty() ? "" : "; ") + t;
    field(out_, titles);
    field(out_, p.found ? "true" : "false");
    field(out_, p.invalid ? *p.invalid : "");
    out_ << "\r\n";
  }

  void finish() override { out_.flush(); }

 private:
  std::ostream& out_;
  NumberLocale locale_;
};

}  // namespace

std::unique_ptr<SweepOutput> csvSweepOutput(std::ostream& out, const SweepHeading& heading) {
  return std::make_unique<CsvOutput>(out, heading);
}

}  // namespace windara::cli
