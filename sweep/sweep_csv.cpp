// CSV rows of a sweep: the six input texts, the varied values as numbers, the
// twelve output texts, the same as numbers where they are numbers, the
// message titles, whether a core was found and the complaint of an invalid
// point.

#include <algorithm>

#include "files/design_file.h"
#include "sweep/sweep_format.h"

namespace windara {

namespace {

// A field quoted as RFC 4180 asks when it holds a comma, a quote or a line end.
void field(std::string& out, std::string_view text, bool first = false) {
  if (!first) out += ',';
  const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
  });
  if (plain) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void number(std::string& out, const std::optional<double>& v) {
  out += ',';
  appendNumber(out, v, "");
}

class CsvFormat : public SweepFormat {
 public:
  explicit CsvFormat(const SweepHeading& heading) : heading_(heading) {}

  void heading(std::string& out) const override {
    for (const NamedBox& b : kInputBoxes)
      field(out, b.name, b.box == kInputBoxes[0].box);
    for (const SweepAxis& a : heading_.axes)
      field(out, std::string(a.box.name) + "_number");
    for (const NamedBox& b : kOutputBoxes)
      field(out, b.name);
    for (const NamedBox& b : kOutputBoxes)
      field(out, std::string(b.name) + "_number");
    for (const char* name : {"messages", "found", "invalid"})
      field(out, name);
    if (heading_.typeCode == kTypeTraditional) field(out, "class");
    for (const char* name : checkFigureNames(heading_.typeCode))
      field(out, name);
    field(out, "checks_unavailable");
    out += "\r\n";
  }

  void row(std::string& out, std::int64_t /*index*/, const std::vector<BoxValue>& values,
           const SweepPoint& p) const override {
    for (std::size_t k = 0; k < p.inputs.size(); ++k)
      field(out, p.inputs[k], k == 0);
    for (const BoxValue& v : values)
      number(out, parseNumber(v.text, heading_.locale));
    for (const std::string& text : p.outputs)
      field(out, text);
    for (const std::string& text : p.outputs) {
      out += ',';
      if (!p.invalid) appendShownNumber(out, text, heading_.locale, "");
    }
    std::string titles;
    for (const std::string& t : p.messages)
      titles.append(titles.empty() ? "" : "; ").append(t);
    field(out, titles);
    field(out, p.found ? "true" : "false");
    field(out, p.invalid ? *p.invalid : "");
    checks(out, p.checks);
    out += "\r\n";
  }

  void ending(std::string& /*out*/, std::int64_t /*points*/) const override {}

 private:
  // The checks' figures; all empty without checks.
  void checks(std::string& out, const std::optional<PointChecks>& c) const {
    if (heading_.typeCode == kTypeTraditional) field(out, c && c->className ? *c->className : "");
    const std::size_t n = checkFigureNames(heading_.typeCode).size();
    for (std::size_t k = 0; k < n; ++k)
      number(out, c && k < c->figures.size() ? std::optional(c->figures[k]) : std::nullopt);
    field(out, c ? c->unavailable : "");
  }

  SweepHeading heading_;
};

}  // namespace

std::unique_ptr<SweepFormat> csvSweepFormat(const SweepHeading& heading) {
  return std::make_unique<CsvFormat>(heading);
}

}  // namespace windara
