#pragma once
// Saving a design's inputs to a small text file and opening it again.
//
// A design file holds one value per line, CR LF ended: the type code, the
// texts of txtVoltage, txtFrequency, txtPriCurrent, txtDutyCyc, txtRatio and
// txtCurDens (quoted, unescaped), the material code and, for Traditional
// designs only, the thickness code.

#include <filesystem>
#include <functional>
#include <iosfwd>
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
  bool ok() const { return status == Status::Done; }
};

// The design file of the form's current inputs and choices.
void writeDesign(std::ostream& out, const Form& form);

// Reads the design file at `path` into the form: selects its mode, writes its
// texts, selects its material and thickness (each selection runs its
// reaction), then runs `calculate`. Stops at the first failure without the
// final calculation; what was applied before stays applied.
FileOutcome loadDesign(Form& form, const std::filesystem::path& path,
                       const std::function<void()>& calculate);

// Save Design As: asks the session's file dialog for a path and writes the
// design there. Tells the user when the file could not be written.
FileOutcome mnuSaveAs_Click(App& app);

// Open Design: asks the session's file dialog for a design file, restores it
// and recalculates. Tells the user when the file could not be read.
FileOutcome mnuOpen_Click(App& app);

}  // namespace windara
