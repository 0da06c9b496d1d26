#pragma once
// Replacing a file only by a complete new one.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

namespace windara {

// `write` fills a temporary file beside the target as it goes, which is renamed over the
// target only when everything was written and flushed. Returns "" on success,
// else the system's reason; the target is then left exactly as it was and the
// temporary file is gone. A link is followed, so the file it names is replaced.
std::string replaceFile(const std::filesystem::path& target,
                        const std::function<void(std::ostream&)>& write);

}  // namespace windara
