#pragma once
// A small data file's bytes, read whole.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace windara {

// The file's bytes; none when it cannot be opened or read, holds nothing (a folder opens
// but reads nothing), or holds more than mostBytes: the caller's own reading of it then
// says what is wrong, or reads a large one as it streams in.
std::optional<std::string> wholeFile(const std::filesystem::path& file, std::size_t mostBytes);

}  // namespace windara
