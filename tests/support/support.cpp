#include "support/support.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

namespace windara::testing {

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("windara-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::write(const std::string& name, const std::string& content) const {
  const auto file = path_ / name;
  std::ofstream out(file, std::ios::binary);
  out << content;
  return file;
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string commandOutput(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buf[4096];
  while (const size_t n = fread(buf, 1, sizeof buf, pipe.get()))
    out.append(buf, n);
  return out;
}

}  // namespace windara::testing
