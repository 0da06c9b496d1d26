#include "common/whole_file.h"

#include <fstream>

namespace windara {

std::optional<std::string> wholeFile(const std::filesystem::path& file, std::size_t mostBytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char piece[4096];
  while (in.read(piece, sizeof piece) || in.gcount() > 0) {
    bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > mostBytes) return std::nullopt;
  }
  if (in.bad() || bytes.empty()) return std::nullopt;
  return bytes;
}

}  // namespace windara
