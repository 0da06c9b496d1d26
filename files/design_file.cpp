#include "files/design_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <system_error>
#include <utility>

#include "common/fields.h"
#include "common/number.h"
#include "files/replace_file.h"

namespace windara {

namespace {

namespace fs = std::filesystem;

// No design file comes near this; reading stops here so that a huge file
// cannot keep Open busy.
constexpr std::size_t kMaxDesignBytes = 1 << 20;
// The longest text kept for one box.
constexpr std::size_t kMaxFieldLength = 65536;

int materialCode(const Form& f) {
  if (f.optPperm.selected) return 1;
  if (f.optQperm.selected) return 2;
  if (f.optRperm.selected) return 3;
  return 0;
}

int thicknessCode(const Form& f) {
  if (f.opt1mil.selected) return 1;
  if (f.opt2mil.selected) return 2;
  if (f.opt4mil.selected) return 4;
  return 0;
}

// Why a design file could not be read; ends Open.
struct DesignFileError {
  std::string reason;
};

// The fields of one design file, read from a bounded copy of its start.
class DesignReader {
 public:
  explicit DesignReader(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) throw DesignFileError{std::strerror(EISDIR)};
    // A pipe or a device could block or never end.
    if (fs::exists(status) && !fs::is_regular_file(status))
      throw DesignFileError{"It is not a regular file"};

    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw DesignFileError{std::strerror(errno ? errno : ENOENT)};
    // Read in pieces: a design file is a few dozen bytes, and filling a
    // buffer of the whole limit up front cost more than the design itself.
    std::string bytes;
    std::array<char, 4096> piece;
    while (bytes.size() <= kMaxDesignBytes) {
      const std::size_t want = std::min(piece.size(), kMaxDesignBytes + 1 - bytes.size());
      const std::size_t read = std::fread(piece.data(), 1, want, file);
      bytes.append(piece.data(), read);
      if (read < want) break;
    }
    const std::size_t got = bytes.size();
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) throw DesignFileError{std::strerror(error ? error : EIO)};
    truncated_ = got > kMaxDesignBytes;
    bytes.resize(truncated_ ? kMaxDesignBytes : got);
    in_.str(std::move(bytes));
  }

  int code() {
    const FieldReader::Field f = next();
    const auto value = parseNumber(f.text, NumberLocale::period());
    try {
      return value ? toInt16(*value) : 0;
    } catch (const CalcError&) {
      throw DesignFileError{"The file holds a number that is too large for a code"};
    }
  }

  std::string text() { return next().text; }

 private:
  FieldReader::Field next() {
    FieldReader::Field f;
    try {
      f = reader_.next();
    } catch (const FileReadError&) {
      throw DesignFileError{ended()};
    }
    // A field that runs into the cut-off end is not known whole.
    if (truncated_ && in_.eof()) throw DesignFileError{ended()};
    return f;
  }

  std::string ended() const {
    return truncated_ ? "The file is too large to be a design file"
                      : "The file ended before the design was complete";
  }

  std::istringstream in_{std::ios::binary};
  FieldReader reader_{in_, kMaxFieldLength};
  bool truncated_ = false;
};

std::string failureText(const char* action, const FileOutcome& outcome) {
  return std::string(action) + " " + outcome.path + "\r\r" + outcome.reason;
}

}  // namespace

std::string noDesignText(const std::string& path) {
  return "The file " + fs::path(path).filename().string() + " holds no Windara design.\r\r" +
         "A design file starts with its type: 2 (Traditional), 3 (Hall Effect) or 4 (SMPS). " +
         "The design on screen is calculated again as it stands.";
}

int designTypeCode(const Form& form) {
  if (form.optTradCT.selected) return kTypeTraditional;
  if (form.optHall.selected) return kTypeHall;
  if (form.optSMPS.selected) return kTypeSMPS;
  return 0;
}

const char* designExtension(int typeCode) {
  switch (typeCode) {
    case kTypeTraditional:
      return ".tct";
    case kTypeHall:
      return ".hef";
    case kTypeSMPS:
      return ".sps";
    default:
      return "";
  }
}

DesignFileContents designOnForm(const Form& form) {
  DesignFileContents d;
  d.type = designTypeCode(form);
  if (!d.holdsDesign()) return d;
  for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k)
    d.texts[k] = (form.*kDesignFileBoxes[k]).text;
  d.material = materialCode(form);
  if (d.type == kTypeTraditional) d.thickness = thicknessCode(form);
  return d;
}

void writeDesign(std::ostream& out, const Form& form) {
  const DesignFileContents d = designOnForm(form);
  if (!d.holdsDesign()) {
    // Without a mode there is nothing to describe: one empty line.
    out << "\r\n";
    return;
  }
  FieldWriter w(out);
  w.writeWhole(d.type);
  for (const std::string& text : d.texts)
    w.writeText(text);
  w.writeWhole(d.material);
  if (d.type == kTypeTraditional) w.writeWhole(d.thickness);
}

std::optional<DesignFileContents> readDesignFile(const fs::path& path, FileOutcome& outcome) {
  outcome.path = path.string();
  DesignFileContents d;
  try {
    DesignReader file(path);
    d.type = file.code();
    // Only a design type has more fields; anything after another code is not read.
    if (!d.holdsDesign()) {
      outcome.noDesign = true;
      return d;
    }
    for (std::string& text : d.texts)
      text = file.text();
    d.material = file.code();
    if (d.type == kTypeTraditional) d.thickness = file.code();
  } catch (const DesignFileError& e) {
    outcome.status = FileOutcome::Status::Failed;
    outcome.reason = e.reason;
    return std::nullopt;
  }
  return d;
}

bool selectDesignType(Form& form, int typeCode) {
  switch (typeCode) {
    case kTypeTraditional:
      form.select(form.optTradCT);
      return true;
    case kTypeHall:
      form.select(form.optHall);
      return true;
    case kTypeSMPS:
      form.select(form.optSMPS);
      return true;
    default:
      return false;
  }
}

OptionButton* materialButton(Form& form, int code) {
  return code >= 1 && code <= 3 ? form.group(Group::Material)[code - 1] : nullptr;
}

OptionButton* thicknessButton(Form& form, const DesignFileContents& d) {
  if (d.type != kTypeTraditional) return nullptr;
  switch (d.thickness) {
    case 1:
      return &form.opt1mil;
    case 2:
      return &form.opt2mil;
    case 4:
      return &form.opt4mil;
    default:
      return nullptr;
  }
}

void applyDesign(Form& form, const DesignFileContents& d) {
  if (!selectDesignType(form, d.type)) return;
  for (std::size_t k = 0; k < kDesignFileBoxes.size(); ++k)
    (form.*kDesignFileBoxes[k]).text = d.texts[k];
  if (OptionButton* material = materialButton(form, d.material)) form.select(*material);
  if (OptionButton* thickness = thicknessButton(form, d)) form.select(*thickness);
}

FileOutcome loadDesign(Form& form, const fs::path& path, const std::function<void()>& calculate) {
  FileOutcome outcome;
  const std::optional<DesignFileContents> d = readDesignFile(path, outcome);
  if (!d) return outcome;
  applyDesign(form, *d);
  calculate();
  return outcome;
}

FileOutcome mnuSaveAs_Click(App& app) {
  Session& s = app.session();
  FileDialog* dialog = s.cmnDialog1;
  if (!dialog) return {FileOutcome::Status::NoDialog, "", ""};
  dialog->filter = kDesignFilter;
  const int type = designTypeCode(s.form);
  dialog->defaultExt = designExtension(type);
  dialog->filterIndex = type;
  dialog->flags = FileDialog::kOverwritePrompt | FileDialog::kHideReadOnly;
  const std::optional<std::string> path = dialog->showSave();
  if (!path || path->empty()) return {FileOutcome::Status::Cancelled, "", ""};

  FileOutcome outcome;
  outcome.path = *path;
  outcome.reason = replaceFile(*path, [&](std::ostream& out) { writeDesign(out, s.form); });
  if (!outcome.reason.empty()) {
    outcome.status = FileOutcome::Status::Failed;
    s.dialogs.message(failureText("The design could not be saved to", outcome), kSaveTitle,
                      Icon::Critical);
    return outcome;
  }
  dialog->fileName.clear();
  return outcome;
}

FileOutcome mnuOpen_Click(App& app) {
  Session& s = app.session();
  FileDialog* dialog = s.cmnDialog1;
  if (!dialog) return {FileOutcome::Status::NoDialog, "", ""};
  dialog->filter = kDesignFilter;
  dialog->filterIndex = designTypeCode(s.form);
  const std::optional<std::string> path = dialog->showOpen();
  if (!path || path->empty()) return {FileOutcome::Status::Cancelled, "", ""};
  return openDesignFile(app, *path);
}

FileOutcome openDesignFile(App& app, const std::string& path) {
  Session& s = app.session();
  // The whole file is read and checked before anything on the form changes,
  // so a file that cannot be used leaves the design on screen as it was.
  FileOutcome outcome;
  std::optional<DesignFileContents> d = readDesignFile(path, outcome);
  if (!d) {
    s.dialogs.message(failureText("The design could not be opened from", outcome), kOpenTitle,
                      Icon::Critical);
    return outcome;
  }
  if (!d->holdsDesign()) s.dialogs.message(noDesignText(outcome.path), kOpenTitle, Icon::None);
  // A file keeps the texts as typed, so one saved under the other decimal
  // separator would otherwise have every fraction asked for again.
  for (std::string& text : d->texts) {
    if (std::optional<std::string> ours = withLocaleDecimal(text, s.locale))
      text = std::move(*ours);
  }
  applyDesign(s.form, *d);
  app.cmdCalculate_Click();
  return outcome;
}

}  // namespace windara
