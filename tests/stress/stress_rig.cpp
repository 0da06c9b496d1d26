#include "stress/stress_rig.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/fields.h"

namespace windara::testing::stress {

namespace fs = std::filesystem;

const char* modeName(Mode m) {
  switch (m) {
    case Mode::Trad:
      return "Trad";
    case Mode::Hall:
      return "Hall";
    case Mode::SMPS:
      return "SMPS";
  }
  return "?";
}

void DefaultAnswers::message(std::string_view text, std::string_view title, Icon icon) {
  DialogEvent e;
  e.kind = DialogEvent::Kind::Message;
  e.title = title;
  e.text = text;
  e.icon = icon;
  events.push_back(std::move(e));
}

std::string DefaultAnswers::input(std::string_view prompt, std::string_view title,
                                  std::string_view defaultText) {
  if (++promptsSinceMark > kPromptCap)
    throw EndlessPrompts("still asking after " + std::to_string(kPromptCap) +
                         " prompts: " + std::string(prompt));
  DialogEvent e;
  e.kind = DialogEvent::Kind::Input;
  e.title = title;
  e.text = prompt;
  e.defaultText = defaultText;
  e.answer = defaultText;
  events.push_back(e);
  return e.answer;
}

void Rig::enterMode(Mode m) {
  Form& f = form();
  OptionButton& b = m == Mode::Trad ? f.optTradCT : m == Mode::Hall ? f.optHall : f.optSMPS;
  if (b.selected) {
    b.onClick();
  } else {
    f.select(b);
  }
}

namespace {

template <class F>
auto inputBoxes(F& f) {
  return std::array{&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent,
                    &f.txtDutyCyc, &f.txtRatio,     &f.txtCurDens};
}

template <class F>
auto resultBoxes(F& f) {
  return std::array{&f.txtRequiredL, &f.txtWireSize, &f.txtCore, &f.txtActualL,
                    &f.txtResID,     &f.txtPartNum,  &f.txtID,   &f.txtOD,
                    &f.txtHt,        &f.txtAe,       &f.txtle,   &f.txtAL};
}

void choose(Form& f, Group g, int index) {
  const auto buttons = f.group(g);
  for (std::size_t k = 0; k < buttons.size(); ++k)
    buttons[k]->selected = static_cast<int>(k) == index;
}

}  // namespace

void calculate(Rig& rig, const Inputs& in) {
  Form& f = rig.form();
  const auto boxes = inputBoxes(f);
  for (std::size_t k = 0; k < boxes.size(); ++k)
    boxes[k]->text = in.box[k];
  choose(f, Group::Material, in.material);
  choose(f, Group::Thickness, in.thickness);
  for (TextBox* box : resultBoxes(f))
    box->text = kStale;
  rig.dialogs.mark();
  rig.app.cmdCalculate_Click();
}

std::string snapshot(Rig& rig) {
  Form& f = rig.form();
  std::string s;
  for (const TextBox* box : inputBoxes(f))
    s += box->text + "|";
  for (const TextBox* box : resultBoxes(f))
    s += box->text + "|";
  for (const OptionButton* b : f.group(Group::Thickness))
    s += b->selected ? "1" : "0";
  s += "\nWireOhms " + std::to_string(f.WireOhms);
  for (const DialogEvent& e : rig.dialogs.events) {
    s += "\n" + std::string(e.kind == DialogEvent::Kind::Message ? "M " : "I ") + e.title + ": " +
         e.text + (e.icon == Icon::Critical ? " [critical]" : "") + " {" + e.defaultText + " -> " +
         e.answer + "}";
  }
  return s;
}

std::string number(double v, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  return buf;
}

namespace {

std::array<double, 6> defaults(Mode m) {
  switch (m) {
    case Mode::Trad:
      return {5, 60, 10, 5000, 100, 400};
    case Mode::Hall:
      return {2, 10, 100, 0.5, 1, 0.1};
    case Mode::SMPS:
      break;
  }
  return {0.5, 50, 10, 0.5, 100, 400};
}

const char* const kSpecials[] = {
    "0",       "-0",      "-1",     "1e30",     "-1e30",      "1e-30",  "1e38",  "3.5e38",
    "-3.5e38", "1e300",   "1e-300", "4.9e-324", "1e-45",      "0.5",    "1.5",   "2.5",
    "32767",   "32767.5", "32768",  "65536",    "2147483648", "0.0001", "",      "abc",
    "1,5",     " 7 ",     "+3",     "1E5",      "nan",        "inf",    "1e309", "0.49999",
    "99999",   "999",     "999999", "9999",     "1e15",       "-1e-30", ".",     "e5"};

std::string drawBox(Draw& draw, double def) {
  const int kind = draw.below(100);
  if (kind < 12) return kSpecials[draw.below(static_cast<int>(std::size(kSpecials)))];
  if (kind < 50) {
    const double magnitude = std::pow(10.0, draw.between(-32.0, 32.0));
    return number(draw.below(10) == 0 ? -magnitude : magnitude, 1 + draw.below(9));
  }
  // Around the default, where most designs find a core.
  return number(def * std::pow(10.0, draw.between(-1.5, 1.5)), 1 + draw.below(7));
}

}  // namespace

Inputs randomInputs(Draw& draw, Mode m) {
  Inputs in;
  const auto def = defaults(m);
  for (std::size_t k = 0; k < 6; ++k) {
    // Half the cases keep most boxes at their defaults, so that one odd value
    // meets sensible neighbours.
    const bool keep = draw.below(2) == 0 && draw.below(3) != 0;
    in.box[k] = keep ? number(def[k]) : drawBox(draw, def[k]);
  }
  in.material = draw.below(3);
  in.thickness = draw.below(3);
  return in;
}

namespace {

// The cells of a shipped table, `columns` to a row.
std::vector<std::vector<double>> numericRows(const fs::path& file, int rows, int columns) {
  const TableRead read = readTable(file, static_cast<std::size_t>(rows * columns));
  std::vector<std::vector<double>> out;
  for (int r = 0; r < rows; ++r) {
    std::vector<double> row;
    for (int c = 0; c < columns; ++c) {
      const Cell& cell = read.cells[static_cast<std::size_t>(r * columns + c)];
      row.push_back(cell.isNumber() ? cell.value() : 0.0);
    }
    out.push_back(row);
  }
  return out;
}

Inputs withBoxes(Mode m, std::array<double, 6> values, int material, int thickness) {
  (void)m;
  Inputs in;
  for (std::size_t k = 0; k < 6; ++k)
    in.box[k] = number(values[k], 17);
  in.material = material;
  in.thickness = thickness;
  return in;
}

// The target itself and one part in ten million either side.
const double kNudges[] = {1.0, 1.0 - 1e-7, 1.0 + 1e-7};

}  // namespace

std::vector<Inputs> boundaryInputs(Mode m, const fs::path& tables) {
  std::vector<Inputs> out;
  if (m == Mode::Hall) {
    const auto rows = numericRows(tables / "Hall.txt", 26, 12);
    for (int material = 0; material < 3; ++material) {
      for (const auto& row : rows) {
        for (double nudge : kNudges) {
          // One turn of a conductor as wide as the core's limit.
          out.push_back(withBoxes(m, {2, 10, 100, 0.5, 1, row[7] * nudge}, material, 0));
          // A sensor as thick as the limit allows.
          out.push_back(withBoxes(m, {2, 10, 100, row[7] * 25.4 * nudge, 1, 0.01}, material, 0));
        }
      }
      // The flux limits of the three materials, at 1 mV/G.
      for (double limitVolts : {4.0, 6.0, 10.0}) {
        for (double nudge : kNudges)
          out.push_back(withBoxes(m, {limitVolts * nudge, 1, 100, 0.5, 1, 0.1}, material, 0));
      }
    }
  } else if (m == Mode::SMPS) {
    const auto rows = numericRows(tables / "Ferrite.txt", 26, 14);
    const double d = 0.0088;  // gauge 33, kept by holding Is at 0.1 A
    for (int grade = 0; grade < 3; ++grade) {
      for (const auto& row : rows) {
        for (double nudge : kNudges) {
          // A winding hole exactly as large as the core's.
          const double turns = (row[9] * nudge / d - 1.0) * 3.14;
          out.push_back(withBoxes(m, {0.001, 50, 0.1 * turns, 0.5, turns, 400}, grade, 0));
          // A required inductance of exactly what the core gives with 100 turns.
          out.push_back(
              withBoxes(m, {row[6 + grade] * 0.01 * nudge, 50, 10, 0.5, 100, 400}, grade, 0));
          // The saturation thresholds: B = 5 V / Ae at the defaults.
          for (double gauss : {3000.0, 3300.0})
            out.push_back(
                withBoxes(m, {gauss * row[4] / 5.0 * nudge, 50, 10, 0.5, 100, 400}, grade, 0));
        }
      }
    }
  } else {
    const auto rows = numericRows(tables / "TWC.txt", 47, 11);
    const double bmax[3] = {15000, 10000, 5000};
    const double factor[3] = {0.88, 1.0, 1.06};
    for (int alloy = 0; alloy < 3; ++alloy) {
      for (int thick = 0; thick < 3; ++thick) {
        for (const auto& row : rows) {
          for (double nudge : kNudges) {
            // The burden whose core area is exactly the record's.
            const double burden =
                row[4] * factor[thick] * bmax[alloy] * 4.44 * 60 * 100 * 100 / (1e8 * 10) * nudge;
            out.push_back(withBoxes(m, {burden, 60, 10, bmax[alloy], 100, 400}, alloy, thick));
            // The ratio whose winding needs exactly the record's window
            // (gauge 33 while Is stays 0.1 A).
            const double radius = 0.0088 * 2.54 / 2.0;
            const double turns = row[10] * 0.2 / (3.14 * radius * radius) * nudge;
            out.push_back(
                withBoxes(m, {0.001, 60, 0.1 * turns, bmax[alloy], turns, 400}, alloy, thick));
          }
        }
      }
    }
  }
  return out;
}

namespace {

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeAll(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
}

std::vector<std::vector<std::string>> splitTable(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::istringstream fs(line);
    std::string field;
    while (std::getline(fs, field, ','))
      fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

std::string joinTable(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k)
      text += (k ? "," : "") + row[k];
    text += "\r\n";
  }
  return text;
}

bool isMarkerRow(const std::vector<std::string>& row) {
  return !row.empty() && row[0] == "\"END\"";
}

const char* const kOddCells[] = {"\"abc\"", "",       "-1",      "0",      "1e300", "1e-300",
                                 "999",     "999999", "9999",    "99999",  "\"N\"", "\"\"",
                                 "-1e30",   "1e30",   "\"1e3\"", "0.0001", "3.5e38"};

}  // namespace

std::vector<TableVariant> writeVariants(Mode m, const fs::path& root) {
  const char* own = m == Mode::Trad ? "TWC.txt" : m == Mode::Hall ? "Hall.txt" : "Ferrite.txt";
  const std::string shipped = readAll(fs::path(WINDARA_DATA_DIR) / own);
  const auto rows = splitTable(shipped);

  std::vector<std::pair<std::string, std::string>> texts;  // name, content ("\x01" = no file)
  texts.emplace_back("shipped", shipped);
  auto reversed = rows;
  std::reverse(reversed.begin(), reversed.end());
  texts.emplace_back("reversed", joinTable(reversed));
  auto unmarked = rows;
  for (std::size_t r = 1; r < unmarked.size(); ++r) {
    if (isMarkerRow(unmarked[r])) unmarked[r] = unmarked[r - 1];
  }
  texts.emplace_back("without end markers", joinTable(unmarked));
  Draw draw(0x5eed0000u + static_cast<unsigned>(m));
  for (int variant = 1; variant <= 3; ++variant) {
    auto odd = rows;
    for (auto& row : odd) {
      for (auto& cell : row) {
        if (draw.below(100) < 4 * variant)
          cell = kOddCells[draw.below(static_cast<int>(std::size(kOddCells)))];
      }
    }
    texts.emplace_back("odd cells " + std::to_string(variant), joinTable(odd));
  }
  texts.emplace_back("cut in half", shipped.substr(0, shipped.size() / 2));
  std::string oneLine;
  for (char c : shipped) {
    if (c != '\r') oneLine += c == '\n' ? ',' : c;
  }
  texts.emplace_back("on one line", oneLine);
  texts.emplace_back("empty", "");
  std::string noise;
  for (int k = 0; k < 3000; ++k)
    noise += static_cast<char>(draw.below(256));
  texts.emplace_back("noise", noise);
  texts.emplace_back("missing", "\x01");

  std::vector<TableVariant> out;
  int n = 0;
  for (const auto& [name, content] : texts) {
    const fs::path dir = root / ("v" + std::to_string(n++));
    fs::create_directories(dir);
    for (const char* table : {"TWC.txt", "Hall.txt", "Ferrite.txt"})
      fs::copy_file(fs::path(WINDARA_DATA_DIR) / table, dir / table);
    fs::remove(dir / own);
    if (content != "\x01") writeAll(dir / own, content);
    out.push_back({name, dir, name == "shipped"});
  }
  return out;
}

}  // namespace windara::testing::stress
