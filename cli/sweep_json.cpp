// A sweep as one JSON object: the type, the varied inputs and the points,
// each point on a line of its own as it is calculated.

#include <optional>
#include <ostream>

#include "cli/result_output.h"
#include "cli/sweep_output.h"
#include "sweep/shown_number.h"

namespace windara::cli {

namespace {

std::string number(const std::optional<double>& v) {
  const std::string text = v ? plainNumber(*v) : "";
  return text.empty() ? "null" : text;
}

// {"NAME": value, ...} over the named boxes, each value made by `value(k)`.
template <std::size_t N, class Value>
void object(std::ostream& out, const std::array<NamedBox, N>& boxes, Value value) {
  out << '{';
  for (std::size_t k = 0; k < N; ++k)
    out << (k ? ", " : "") << jsonString(boxes[k].name) << ": " << value(k);
  out << '}';
}

class JsonOutput : public SweepOutput {
 public:
  JsonOutput(std::ostream& out, const SweepHeading& heading) : out_(out), locale_(heading.locale) {
    out_ << "{\"type\": " << (heading.type ? jsonString(heading.type) : "null")
         << ",\n \"vary\": [";
    for (std::size_t k = 0; k < heading.axes.size(); ++k) {
      const SweepAxis& a = heading.axes[k];
      out_ << (k ? ", " : "") << "{\"box\": " << jsonString(a.box.name)
           << ", \"from\": " << number(a.from) << ", \"to\": " << number(a.to)
           << ", \"count\": " << a.count << ", \"log\": " << (a.log ? "true" : "false") << '}';
    }
    out_ << "],\n \"points\": [";
  }

  void point(const std::vector<BoxValue>& values, const SweepPoint& p) override {
    out_ << (first_ ? "\n  " : ",\n  ") << "{\"inputs\": ";
    first_ = false;
    object(out_, kInputBoxes, [&](std::size_t k) { return jsonString(p.inputs[k]); });
    out_ << ", \"varied\": {";
    for (std::size_t k = 0; k < values.size(); ++k)
      out_ << (k ? ", " : "") << jsonString(values[k].box.name) << ": "
           << number(parseNumber(values[k].text, locale_));
    out_ << "}, \"outputs\": ";
    if (p.invalid) {
      out_ << "null, \"numbers\": null";
    } else {
      object(out_, kOutputBoxes, [&](std::size_t k) { return jsonString(p.outputs[k]); });
      out_ << ", \"numbers\": ";
      object(out_, kOutputBoxes,
             [&](std::size_t k) { return number(shownNumber(p.outputs[k], locale_)); });
    }
    out_ << ", \"messages\": [";
    for (std::size_t k = 0; k < p.messages.size(); ++k)
      out_ << (k ? ", " : "") << jsonString(p.messages[k]);
    out_ << "], \"found\": " << (p.found ? "true" : "false")
         << ", \"invalid\": " << (p.invalid ? jsonString(*p.invalid) : "null")
         << ", \"checks\": null}";
  }

  void finish() override {
    out_ << (first_ ? "]}\n" : "\n ]}\n");
    out_.flush();
  }

 private:
  std::ostream& out_;
  NumberLocale locale_;
  bool first_ = true;
};

}  // namespace

std::unique_ptr<SweepOutput> jsonSweepOutput(std::ostream& out, const SweepHeading& heading) {
  return std::make_unique<JsonOutput>(out, heading);
}

}  // namespace windara::cli
