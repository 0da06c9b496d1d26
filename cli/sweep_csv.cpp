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

class CsvOutput : public SweepOutput {
 public:
  CsvOutput(std::ostream& out, const SweepHeading& heading) : out_(out), locale_(heading.locale) {
    for (const NamedBox& b : kInputBoxes)
      field(b.name);
    for (const SweepAxis& a : heading.axes)
      field(std::string(a.box.name) + "_number");
    for (const NamedBox& b : kOutputBoxes)
      field(b.name);
    for (const NamedBox& b : kOutputBoxes)
      field(std::string(b.name) + "_number");
    for (const char* name : {"messages", "found", "invalid"})
      field(name);
    endLine();
  }

  void point(const std::vector<BoxValue>& values, const SweepPoint& p) override {
    for (const std::string& text : p.inputs)
      field(text);
    for (const BoxValue& v : values)
      number(parseNumber(v.text, locale_));
    for (const std::string& text : p.outputs)
      field(text);
    for (const std::string& text : p.outputs)
      number(p.invalid ? std::nullopt : shownNumber(text, locale_));
    titles_.clear();
    for (const std::string& t : p.messages)
      titles_.append(titles_.empty() ? "" : "; ").append(t);
    field(titles_);
    field(p.found ? "true" : "false");
    field(p.invalid ? *p.invalid : "");
    endLine();
  }

  void finish() override { out_.flush(); }

 private:
  // A field quoted as RFC 4180 asks when it holds a comma, a quote or a line end.
  void field(std::string_view text) {
    if (!lineStart_) line_ += ',';
    lineStart_ = false;
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
      line_ += text;
      return;
    }
    line_ += '"';
    for (char c : text) {
      if (c == '"') line_ += '"';
      line_ += c;
    }
    line_ += '"';
  }

  void number(const std::optional<double>& v) { field(v ? plainNumber(*v) : ""); }

  void endLine() {
    line_ += "\r\n";
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    line_.clear();
    lineStart_ = true;
  }

  std::ostream& out_;
  NumberLocale locale_;
  std::string line_;  // the line being put together, written whole
  bool lineStart_ = true;
  std::string titles_;  // reused from point to point
};

}  // namespace

std::unique_ptr<SweepOutput> csvSweepOutput(std::ostream& out, const SweepHeading& heading) {
  return std::make_unique<CsvOutput>(out, heading);
}

}  // namespace windara::cli
