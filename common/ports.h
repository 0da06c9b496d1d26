#pragma once
// The platform's dialogs, printer and help, as small interfaces. The window
// implements them with Qt; tests and the command line with scripts and
// recorders.

#include <optional>
#include <string>
#include <string_view>

namespace windara {

enum class Icon { None, Critical };

// Modal message and input boxes. Lines of a text are joined by "\r".
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void message(std::string_view text, std::string_view title, Icon icon) = 0;
  // Returns the confirmed text, or "" when the user cancels.
  virtual std::string input(std::string_view prompt, std::string_view title,
                            std::string_view defaultText) = 0;
};

// The common file dialog. Its settings are kept between uses, like the one
// dialog object of the window.
class FileDialog {
 public:
  virtual ~FileDialog() = default;

  // Flags: ask before overwriting, hide the read-only check box.
  static constexpr int kOverwritePrompt = 2;
  static constexpr int kHideReadOnly = 4;

  std::string filter;      // "Desc|pattern|Desc|pattern..."
  int filterIndex = 0;     // preselected entry, counted from 1
  std::string defaultExt;  // ".tct": appended to a name typed without one
  int flags = 0;
  std::string fileName;  // remembered between uses

  // A path, or nothing when the user cancels. Implementations update fileName.
  virtual std::optional<std::string> showSave() = 0;
  virtual std::optional<std::string> showOpen() = 0;
};

// The default printer, drawn line by line in columns.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual void setFontSize(int points) = 0;
  virtual void setBold(bool bold) = 0;
  virtual void print(std::string_view text) = 0;
  virtual void moveToColumn(int column) = 0;  // columns counted from 1
  virtual void endLine() = 0;
  virtual void endDocument() = 0;
};

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void showContents(const std::string& helpFile) = 0;
  virtual void showIndex(const std::string& helpFile) = 0;
};

}  // namespace windara
