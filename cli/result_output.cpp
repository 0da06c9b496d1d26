#include "cli/result_output.h"

#include <cstdio>
#include <ostream>
#include <utility>

#include "cli/checks_json.h"

namespace windara::cli {

namespace {

struct Row {
  const char* name;
  const Label* label;
  const TextBox* box;
};

std::vector<Row> inputRows(const Form& f) {
  return {{"txtVoltage", &f.lblVout, &f.txtVoltage},
          {"txtFrequency", &f.lblFrequency, &f.txtFrequency},
          {"txtPriCurrent", &f.lblIpri, &f.txtPriCurrent},
          {"txtCurDens", &f.lblCurDens, &f.txtCurDens},
          {"txtRatio", &f.lblTurnsRatio, &f.txtRatio},
          {"txtDutyCyc", &f.lblDuty, &f.txtDutyCyc}};
}

std::vector<Row> outputRows(const Form& f) {
  return {{"txtRequiredL", &f.lblReqL, &f.txtRequiredL},
          {"txtWireSize", &f.lblWireSize, &f.txtWireSize},
          {"txtCore", &f.lblCore, &f.txtCore},
          {"txtActualL", &f.lblActL, &f.txtActualL},
          {"txtResID", &f.lblResID, &f.txtResID},
          {"txtPartNum", &f.lblPartNum, &f.txtPartNum},
          {"txtID", &f.lblID, &f.txtID},
          {"txtOD", &f.lblOD, &f.txtOD},
          {"txtHt", &f.lblHt, &f.txtHt},
          {"txtAe", &f.lblAe, &f.txtAe},
          {"txtle", &f.lblle, &f.txtle},
          {"txtAL", &f.lblAL, &f.txtAL}};
}

const char* typeName(const Form& f) {
  if (f.optTradCT.selected) return "Traditional";
  if (f.optHall.selected) return "Hall Effect";
  if (f.optSMPS.selected) return "SMPS";
  return nullptr;
}

std::string jsonOrNull(const char* text) {
  return text ? jsonString(text) : "null";
}

std::string selectedName(Form& f, Group g) {
  const OptionButton* b = f.selectedIn(g);
  return b ? jsonString(b->name) : "null";
}

void writeObject(std::ostream& out, const std::vector<Row>& rows) {
  out << "{\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out << "    " << jsonString(rows[i].name) << ": " << jsonString(rows[i].box->text)
        << (i + 1 < rows.size() ? ",\n" : "\n");
  }
  out << "  }";
}

// A box's text on following lines, each carriage return starting a new one.
std::string indented(std::string_view text, const std::string& indent) {
  std::string out = indent;
  for (char c : text) {
    if (c == '\r') {
      out += "\n" + indent;
    } else {
      out += c;
    }
  }
  return out;
}

std::string line(const Label& label, const TextBox& box) {
  return "  " + label.caption + ":" + (box.text.empty() ? "" : " " + box.text) + "\n";
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

void writeJson(std::ostream& out, Form& form, const std::vector<DialogEvent>& events,
               const std::optional<DesignChecks>& checks) {
  out << "{\n  \"type\": " << jsonOrNull(typeName(form)) << ",\n  \"inputs\": ";
  writeObject(out, inputRows(form));
  out << ",\n  \"material\": " << selectedName(form, Group::Material)
      << ",\n  \"thickness\": " << selectedName(form, Group::Thickness) << ",\n  \"outputs\": ";
  writeObject(out, outputRows(form));
  out << ",\n  \"events\": [";
  for (std::size_t i = 0; i < events.size(); ++i) {
    const DialogEvent& e = events[i];
    out << (i ? ",\n" : "\n") << "    {";
    if (e.kind == DialogEvent::Kind::Message) {
      out << "\"kind\": \"message\", \"title\": " << jsonString(e.title)
          << ", \"text\": " << jsonString(e.text)
          << ", \"icon\": " << (e.icon == Icon::Critical ? "\"critical\"" : "\"none\"");
    } else {
      out << "\"kind\": \"input\", \"title\": " << jsonString(e.title)
          << ", \"prompt\": " << jsonString(e.text)
          << ", \"default\": " << jsonString(e.defaultText)
          << ", \"answer\": " << jsonString(e.answer);
    }
    out << "}";
  }
  out << (events.empty() ? "]" : "\n  ]") << ",\n  \"checks\": " << checksJson(checks, 2)
      << "\n}\n";
}

void writeListing(std::ostream& out, Form& form, const std::vector<DialogEvent>& events) {
  const char* type = typeName(form);
  out << "Type: " << (type ? type : "(none)") << "\n";
  const OptionButton* material = form.selectedIn(Group::Material);
  out << "Material: " << (material ? material->caption : "(none)") << "\n";
  if (form.frameThick.visible) {
    const OptionButton* thickness = form.selectedIn(Group::Thickness);
    out << "Thickness: " << (thickness ? thickness->caption : "(none)") << "\n";
  }
  out << "\nInputs:\n";
  for (const Row& r : inputRows(form))
    out << "  " << r.label->caption << ": " << r.box->text << "\n";
  out << "\nOutputs:\n";
  for (const Row& r : outputRows(form)) {
    // A row the mode hides means nothing in it.
    if (r.box->visible) out << line(*r.label, *r.box);
  }
  for (const DialogEvent& e : events) {
    if (e.kind == DialogEvent::Kind::Message) {
      out << "\nMessage \"" << e.title << "\"" << (e.icon == Icon::Critical ? " (critical)" : "")
          << ":\n"
          << indented(e.text, "  ") << "\n";
    } else {
      out << "\nInput box \"" << e.title << "\" (default \"" << e.defaultText << "\"):\n"
          << indented(e.text, "  ") << "\n  Answer: " << e.answer << "\n";
    }
  }
}

}  // namespace windara::cli
