#include "files/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace windara {

namespace {

namespace fs = std::filesystem;

std::string systemReason(int error) {
  return std::strerror(error);
}

// Removes the temporary file unless it was renamed into place.
struct TempFile {
  fs::path path;
  std::FILE* file = nullptr;
  bool keep = false;
  ~TempFile() {
    if (file) std::fclose(file);
    if (!keep && !path.empty()) std::remove(path.c_str());
  }
};

// Creates a fresh file beside `target`; fails when the folder cannot take it.
std::string createTemp(const fs::path& target, TempFile& temp) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  int error = EEXIST;
  for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "." + string.
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(rd());
    name += ".tmp";
    const fs::path candidate = dir / name;
    errno = 0;
    // "x": never reuse or truncate a file that happens to have that name.
    temp.file = std::fopen(candidate.c_str(), "wbx");
    if (temp.file) {
      temp.path = candidate;
      return "";
    }
    error = errno ? errno : EIO;
  }
  return systemReason(error);
}

}  // namespace

std::string replaceFile(const fs::path& target, const std::function<void(std::ostream&)>& write) {
  std::error_code ec;
  fs::path real = target;
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) real = resolved;
  }

  const fs::file_status status = fs::status(real, ec);
  const bool existed = fs::exists(status);
  if (fs::is_directory(status)) return systemReason(EISDIR);
  if (existed) {
    // A file the user may not write stays protected, as opening it for
    // writing would have refused.
    std::FILE* probe = std::fopen(real.c_str(), "r+b");
    if (!probe) return systemReason(errno ? errno : EACCES);
    std::fclose(probe);
  }

  // The content goes straight into the temporary file, so a long output
  // (a sweep of a million points) never has to fit in memory.
  TempFile temp;
  if (std::string reason = createTemp(real, temp); !reason.empty()) return reason;
  std::fclose(temp.file);
  temp.file = nullptr;
  {
    std::ofstream content(temp.path, std::ios::binary | std::ios::trunc);
    errno = 0;
    if (content) write(content);
    if (content) content.flush();
    const int error = errno;
    if (!content) return error ? systemReason(error) : "The design could not be written";
    content.close();
    if (!content) return systemReason(errno ? errno : EIO);
  }

  if (existed) fs::permissions(temp.path, status.permissions(), ec);
  errno = 0;
  if (std::rename(temp.path.c_str(), real.c_str()) != 0) return systemReason(errno ? errno : EIO);
  temp.keep = true;
  return "";
}

}  // namespace windara
