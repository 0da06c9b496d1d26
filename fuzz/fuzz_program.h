#pragma once
// What the design fuzz targets share: a program folder with the shipped core
// tables, dialogs that accept every offered default, and the inputs a few
// bytes choose.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "app/app.h"

namespace windara::fuzz {

namespace fs = std::filesystem;

enum class Mode { Trad, Hall, SMPS };

// Accepts each prompt's default, so every validation loop has a way out; a
// loop that still goes on is a hang and is reported as a crash.
class DefaultDialogs : public Dialogs {
 public:
  void message(std::string_view, std::string_view, Icon) override { ++messages; }
  std::string input(std::string_view, std::string_view, std::string_view defaultText) override {
    if (++prompts > 1000) std::abort();
    return std::string(defaultText);
  }
  int messages = 0;
  int prompts = 0;
};

// The folder of the shipped tables: WINDARA_PROGRAM_DIR, or the fuzz binary's
// own folder, where the build copies them.
inline fs::path shippedDir() {
  if (const char* env = std::getenv("WINDARA_PROGRAM_DIR")) return env;
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// A private program folder holding copies of the shipped tables, removed when
// the process ends.
class ProgramDir {
 public:
  ProgramDir() {
    std::string tmpl = (fs::temp_directory_path() / "windara-fuzz-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    path_ = tmpl;
    for (const char* table : {"TWC.txt", "Hall.txt", "Ferrite.txt"})
      fs::copy_file(shippedDir() / table, path_ / table, fs::copy_options::overwrite_existing);
  }
  ~ProgramDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  void write(const char* name, const std::uint8_t* data, std::size_t size) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

 private:
  fs::path path_;
};

// Texts a box may be given: each mode's defaults, the edges of the number
// range, and texts that are not numbers.
inline constexpr const char* kBoxTexts[] = {
    "5",     "60",     "10",   "5000",    "100",   "400",  "2",        "0.5",
    "1",     "0.1",    "50",   "0",       "-1",    "1e30", "1e-30",    "3.5e38",
    "1e300", "1e-300", "0.25", "32767.5", "32768", "1.5",  "2.5",      "15000",
    "11500", "6000",   "abc",  "",        "1,5",   "999",  "4.9e-324", "0.001"};

// Fills the six boxes and the choices from the first eight bytes. Choices are
// set without running their reactions.
inline void applyInputs(Form& f, const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kUsed = 8;
  std::uint8_t b[kUsed] = {};
  for (std::size_t k = 0; k < kUsed && k < size; ++k)
    b[k] = data[k];
  TextBox* boxes[] = {&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent,
                      &f.txtDutyCyc, &f.txtRatio,     &f.txtCurDens};
  constexpr std::size_t kTexts = sizeof kBoxTexts / sizeof kBoxTexts[0];
  for (std::size_t k = 0; k < 6; ++k)
    boxes[k]->text = kBoxTexts[b[k] % kTexts];
  for (Group g : {Group::Material, Group::Thickness}) {
    const int chosen = (g == Group::Material ? b[6] : b[7]) % 3;
    const auto buttons = f.group(g);
    for (int k = 0; k < 3; ++k)
      buttons[static_cast<std::size_t>(k)]->selected = k == chosen;
  }
}

}  // namespace windara::fuzz
