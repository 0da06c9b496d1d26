// A sweep as one JSON object: the type, the varied inputs and the points,
// each point on a line of its own.

#include "cli/result_output.h"
#include "cli/sweep_output.h"
#include "files/design_file.h"
#include "sweep/shown_number.h"

namespace windara::cli {

namespace {

// {"NAME": value, ...} over the boxes, each value appended by `value(k)`.
template <std::size_t N, class Value>
void object(std::string& out, const std::array<NamedBox, N>& boxes, Value value) {
  out += '{';
  for (std::size_t k = 0; k < N; ++k) {
    if (k) out += ", ";
    appendJsonString(out, boxes[k].name);
    out += ": ";
    value(k);
  }
  out += '}';
}

class JsonFormat : public SweepFormat {
 public:
  explicit JsonFormat(const SweepHeading& heading) : heading_(heading) {}

  void heading(std::string& out) const override {
    out += "{\"type\": ";
    heading_.type ? appendJsonString(out, heading_.type) : void(out += "null");
    out += ",\n \"vary\": [";
    for (std::size_t k = 0; k < heading_.axes.size(); ++k) {
      const SweepAxis& a = heading_.axes[k];
      out += k ? ", {\"box\": " : "{\"box\": ";
      appendJsonString(out, a.box.name);
      out += ", \"from\": ";
      appendNumber(out, a.from, "null");
      out += ", \"to\": ";
      appendNumber(out, a.to, "null");
      out += ", \"count\": " + std::to_string(a.count) +
             ", \"log\": " + (a.log ? "true" : "false") + "}";
    }
    out += "],\n \"points\": [";
  }

  void row(std::string& out, std::int64_t index, const std::vector<BoxValue>& values,
           const SweepPoint& p) const override {
    out += index ? ",\n  {\"inputs\": " : "\n  {\"inputs\": ";
    object(out, kInputBoxes, [&](std::size_t k) { appendJsonString(out, p.inputs[k]); });
    out += ", \"varied\": {";
    for (std::size_t k = 0; k < values.size(); ++k) {
      if (k) out += ", ";
      appendJsonString(out, values[k].box.name);
      out += ": ";
      appendNumber(out, parseNumber(values[k].text, heading_.locale), "null");
    }
    out += "}, \"outputs\": ";
    if (p.invalid) {
      out += "null, \"numbers\": null";
    } else {
      object(out, kOutputBoxes, [&](std::size_t k) { appendJsonString(out, p.outputs[k]); });
      out += ", \"numbers\": ";
      object(out, kOutputBoxes, [&](std::size_t k) {
        appendNumber(out, shownNumber(p.outputs[k], heading_.locale), "null");
      });
    }
    out += ", \"messages\": [";
    for (std::size_t k = 0; k < p.messages.size(); ++k) {
      if (k) out += ", ";
      appendJsonString(out, p.messages[k]);
    }
    out += p.found ? "], \"found\": true, \"invalid\": " : "], \"found\": false, \"invalid\": ";
    p.invalid ? appendJsonString(out, *p.invalid) : void(out += "null");
    out += ", \"checks\": ";
    checks(out, p.checks);
    out += '}';
  }

  void ending(std::string& out, std::int64_t points) const override {
    out += points ? "\n ]}\n" : "]}\n";
  }

 private:
  // {"unavailable": ..., "class": ... (Traditional), figures...}, or null without checks.
  void checks(std::string& out, const std::optional<PointChecks>& c) const {
    if (!c) {
      out += "null";
      return;
    }
    out += "{\"unavailable\": ";
    c->unavailable.empty() ? void(out += "null") : appendJsonString(out, c->unavailable);
    if (heading_.typeCode == kTypeTraditional) {
      out += ", \"class\": ";
      c->className ? appendJsonString(out, *c->className) : void(out += "null");
    }
    const std::vector<const char*> names = checkFigureNames(heading_.typeCode);
    for (std::size_t k = 0; k < names.size(); ++k) {
      out += ", ";
      appendJsonString(out, names[k]);
      out += ": ";
      appendNumber(out, k < c->figures.size() ? std::optional(c->figures[k]) : std::nullopt,
                   "null");
    }
    out += '}';
  }

  SweepHeading heading_;
};

}  // namespace

std::unique_ptr<SweepFormat> jsonSweepFormat(const SweepHeading& heading) {
  return std::make_unique<JsonFormat>(heading);
}

}  // namespace windara::cli
