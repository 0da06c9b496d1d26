#pragma once
// A whole program without a window, driven by many generated inputs: dialogs
// that answer every prompt with its default, a fixed-seed generator of input
// texts, and odd core tables written into a temporary program folder.

#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app.h"
#include "common/scripted_dialogs.h"

namespace windara::testing::stress {

enum class Mode { Trad, Hall, SMPS };
const char* modeName(Mode m);

// Too many prompts in one calculation: a validation loop that does not end.
struct EndlessPrompts : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Records every box like ScriptedDialogs, and answers an input box with the
// default it offers, so that every validation loop has a way out.
class DefaultAnswers : public Dialogs {
 public:
  static constexpr int kPromptCap = 50;

  void message(std::string_view text, std::string_view title, Icon icon) override;
  std::string input(std::string_view prompt, std::string_view title,
                    std::string_view defaultText) override;

  std::vector<DialogEvent> events;
  int promptsSinceMark = 0;
  void mark() {
    events.clear();
    promptsSinceMark = 0;
  }
};

// Session and reactions over one program folder, like testing::Harness, but
// with dialogs that never run out of answers.
struct Rig {
  explicit Rig(std::filesystem::path programDir, NumberLocale locale = NumberLocale::period())
      : session(dialogs, std::move(programDir), locale), app(session) {}
  Form& form() { return session.form; }
  void enterMode(Mode m);

  DefaultAnswers dialogs;
  Session session;
  App app;
};

// The inputs of one calculation: the six box texts in file order (txtVoltage,
// txtFrequency, txtPriCurrent, txtDutyCyc, txtRatio, txtCurDens), and the
// material and thickness buttons by index 0..2.
struct Inputs {
  std::string box[6];
  int material = 0;
  int thickness = 1;
};

// Applies the inputs (choices set without running reactions), blanks every
// result box with a marker, and calculates.
void calculate(Rig& rig, const Inputs& in);

// The marker put into every result box before a calculation.
inline constexpr const char* kStale = "<stale>";

// Every box and the dialog log of the last calculation, as one text.
std::string snapshot(Rig& rig);

// A reproducible generator: its draws depend only on the engine's output,
// which the standard fixes, not on a library's distributions.
class Draw {
 public:
  explicit Draw(std::uint64_t seed) : engine_(seed) {}
  std::uint64_t bits() { return engine_(); }
  int below(int n) { return static_cast<int>(bits() % static_cast<std::uint64_t>(n)); }
  double unit() { return static_cast<double>(bits() >> 11) * 0x1p-53; }
  double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

 private:
  std::mt19937_64 engine_;
};

std::string number(double v, int digits = 9);

// Inputs spread over the whole range: odd specials, magnitudes from 1e-32 to
// 1e32 of either sign, values near each mode's defaults, and texts that are
// not numbers.
Inputs randomInputs(Draw& draw, Mode m);

// Inputs aimed at the search limits and message thresholds of the shipped
// tables: for every catalogue value a design meets, exactly and just either
// side of it.
std::vector<Inputs> boundaryInputs(Mode m, const std::filesystem::path& tables);

// Odd program folders: each holds the three core tables, one of them changed.
struct TableVariant {
  std::string name;
  std::filesystem::path dir;
  bool wellFormed = false;  // the shipped tables: every result box is filled
};
std::vector<TableVariant> writeVariants(Mode m, const std::filesystem::path& root);

}  // namespace windara::testing::stress
