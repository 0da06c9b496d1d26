// CSV rows of a sweep: the six input texts, the varied values as numbers, the
// twelve output texts, the same as numbers where they are numbers, the
// message titles, whether a core was found and the complaint of an invalid
// point; a line of captions under the names when asked for.

#include <algorithm>
#include <array>
#include <utility>

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
  CsvFormat(const SweepHeading& heading, std::vector<std::string> captions)
      : heading_(heading), captions_(std::move(captions)) {}

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
    if (captions_.empty()) return;
    for (std::size_t k = 0; k < captions_.size(); ++k)
      field(out, captions_[k], k == 0);
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
  std::vector<std::string> captions_;
};

// The labels of kInputBoxes and kOutputBoxes, in their order.
constexpr std::array<Label Form::*, 6> kInputLabels = {&Form::lblVout,       &Form::lblFrequency,
                                                       &Form::lblIpri,       &Form::lblCurDens,
                                                       &Form::lblTurnsRatio, &Form::lblDuty};
constexpr std::array<Label Form::*, 12> kOutputLabels = {
    &Form::lblReqL,  &Form::lblWireSize, &Form::lblCore, &Form::lblActL,
    &Form::lblResID, &Form::lblPartNum,  &Form::lblID,   &Form::lblOD,
    &Form::lblHt,    &Form::lblAe,       &Form::lblle,   &Form::lblAL};

std::string captionOf(const Label& label, const char* more = "") {
  if (!label.visible) return "(not used by this type)";
  // The accuracy box shows its value with a % sign its caption does not name.
  if (label.caption == "Accuracy") return std::string("Accuracy (%)") + more;
  return label.caption + more;
}

std::vector<const char*> figureCaptions(int typeCode) {
  switch (typeCode) {
    case kTypeTraditional:
      return {"ratio error at rated current and burden (%)",
              "phase displacement at rated current and burden (min)"};
    case kTypeSMPS:
      return {"droop (%)", "flux swing (G)"};
    case kTypeHall:
      return {"core flux at the maximum current (G)",
              "room to saturation (saturation over core flux, less 1)"};
    default:
      return {};
  }
}

}  // namespace

std::vector<std::string> sweepCaptions(const Form& form, const SweepHeading& heading) {
  std::vector<std::string> out;
  out.reserve(kInputLabels.size() + heading.axes.size() + 2 * kOutputLabels.size() + 4);
  for (Label Form::*label : kInputLabels)
    out.push_back(captionOf(form.*label));
  for (const SweepAxis& a : heading.axes) {
    for (std::size_t k = 0; k < kInputBoxes.size(); ++k) {
      if (kInputBoxes[k].box == a.box.box)
        out.push_back(captionOf(form.*kInputLabels[k], ", as a number"));
    }
  }
  for (Label Form::*label : kOutputLabels)
    out.push_back(captionOf(form.*label));
  for (Label Form::*label : kOutputLabels)
    out.push_back(captionOf(form.*label, ", as a number"));
  out.insert(out.end(), {"titles of the messages shown", "a core was found (true or false)",
                         "why the inputs are not usable"});
  if (heading.typeCode == kTypeTraditional) out.emplace_back("IEC 61869-2 accuracy class");
  for (const char* caption : figureCaptions(heading.typeCode))
    out.emplace_back(caption);
  out.emplace_back("why there are no checks");
  return out;
}

std::unique_ptr<SweepFormat> csvSweepFormat(const SweepHeading& heading,
                                            std::vector<std::string> captions) {
  return std::make_unique<CsvFormat>(heading, std::move(captions));
}

}  // namespace windara
