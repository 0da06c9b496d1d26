#pragma once
// Shared helpers for the core tests.

#include <filesystem>
#include <string>

namespace windara::testing {

// A fresh, empty temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);

// What a shell command prints on its standard output ("" when it cannot run).
std::string commandOutput(const std::string& command);

// The folder of the shipped core tables, icons and help file.
inline std::filesystem::path dataDir() {
  return WINDARA_DATA_DIR;
}

}  // namespace windara::testing
