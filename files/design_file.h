#pragma once
// Saving a design's inputs to a small text file and opening it again.
//
// A design file holds one value per line, CR LF ended: the type code, the
// texts of txtVoltage, txtFrequency, txtPriCurrent, txtDutyCyc, txtRatio and
// txtCurDens (quoted, unescaped), the material code and, for Traditional
// designs only, the thickness code.

#include <array>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/app.h"

namespace windara {

inline constexpr const char* kDesignFilter =
    "All Files (*.*)|*.*|Trad CT Files (*.tct)|*.tct|Hall Effect Files (*.hef)|*.hef|"
    "SMPS Files (*.sps)|*.sps";
inline constexpr const char* kSaveTitle = "Save Design";
inline constexpr const char* kOpenTitle = "Open Design";

// Type codes double as the filter entry of the mode's files.
inline constexpr int kTypeTraditional = 2;
inline constexpr int kTypeHall = 3;
inline constexpr int kTypeSMPS = 4;

// The selected mode's type code (Traditional, then Hall, then SMPS), 0 for none.
int designTypeCode(const Form& form);
// ".tct", ".hef", ".sps" for a type code; "" for any other.
const char* designExtension(int typeCode);

// How a file command ended; on a failure, the file and the system's reason.
struct FileOutcome {
  enum class Status { Done, Cancelled, Failed, NoDialog };
  Status status = Status::Done;
  std::string path;
  std::string reason;
  // Done, but the file holds no design: the design on screen was calculated as it stood.
  bool noDesign = false;
  bool ok() const { return status == Status::Done; }
};

// The boxes whose texts a design file holds, in the file's order.
inline constexpr std::array<TextBox Form::*, 6> kDesignFileBoxes{
    &Form::txtVoltage, &Form::txtFrequency, &Form::txtPriCurrent,
    &Form::txtDutyCyc, &Form::txtRatio,     &Form::txtCurDens};

// What a design file holds, read whole before anything is applied.
struct DesignFileContents {
  int type = 0;  // 2, 3, 4; any other code holds no design and nothing more is read
  std::array<std::string, 6> texts;  // in the file's order of the boxes
  int material = 0;
  int thickness = 0;  // Traditional only
  bool holdsDesign() const { return type >= kTypeTraditional && type <= kTypeSMPS; }
};

// Reads and checks the whole design file; nothing when it cannot be read or
// ends before the fields its type needs, with the reason in `outcome`.
std::optional<DesignFileContents> readDesignFile(const std::filesystem::path& path,
                                                 FileOutcome& outcome);

// Selects the mode of a design file's type code as Open does (its reaction
// runs when the mode changes); false for a code that names no type.
bool selectDesignType(Form& form, int typeCode);

// The button of a design file's material code, or nullptr for none.
OptionButton* materialButton(Form& form, int code);
// The button of a Traditional design's thickness code, or nullptr for none.
OptionButton* thicknessButton(Form& form, const DesignFileContents& contents);

// Puts a design file's contents on the form: selects its mode, writes its
// texts, selects its material and thickness (each selection runs its
// reaction). A file that holds no design changes nothing.
void applyDesign(Form& form, const DesignFileContents& contents);

// The information box's text for a file that holds no design.
std::string noDesignText(const std::string& path);

// What the design file of the form's current inputs and choices holds.
DesignFileContents designOnForm(const Form& form);

// The design file of the form's current inputs and choices.
void writeDesign(std::ostream& out, const Form& form);

// Reads the design file at `path` and, when it can be read whole, applies it
// and runs `calculate`. A file that cannot be read changes nothing.
FileOutcome loadDesign(Form& form, const std::filesystem::path& path,
                       const std::function<void()>& calculate);

// Save Design As: asks the session's file dialog for a path and writes the
// design there. Tells the user when the file could not be written.
FileOutcome mnuSaveAs_Click(App& app);

// Open Design: asks the session's file dialog for a design file, restores it
// and recalculates. Tells the user when the file could not be read.
FileOutcome mnuOpen_Click(App& app);

// Open Design of a file already chosen (a recent design): reads it whole,
// applies it and recalculates, telling the user when it cannot be used. A
// text that is a number only with the other decimal separator than the
// user's goes into its box with the user's separator.
FileOutcome openDesignFile(App& app, const std::string& path);

}  // namespace windara
