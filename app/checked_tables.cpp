#include "app/checked_tables.h"

#include <mutex>
#include <optional>
#include <sstream>
#include <string>

#include "common/whole_file.h"
#include "designs/tables/core_tables.h"

namespace windara {

namespace {
// TWC.txt is a few kilobytes; one past this is read as the design reads it.
constexpr std::size_t kMostKeptBytes = 1 << 20;
}  // namespace

std::shared_ptr<const TapeCoreTable> checkedTapeCoreTable(const Session& s) {
  if (s.tables) return tapeCoreTable(s);
  std::optional<std::string> bytes = wholeFile(s.programDir / kTapeCoreFile, kMostKeptBytes);
  // A file that cannot be read whole is read the design's way, which says why.
  if (!bytes) return tapeCoreTable(s);
  static std::mutex guard;
  static std::string lastBytes;
  static std::shared_ptr<const TapeCoreTable> last;
  {
    const std::lock_guard<std::mutex> lock(guard);
    if (last && *bytes == lastBytes) return last;
  }
  std::istringstream text(*bytes);
  auto table = std::make_shared<const TapeCoreTable>(readTapeCoreTable(text));
  const std::lock_guard<std::mutex> lock(guard);
  lastBytes = std::move(*bytes);
  last = table;
  return table;
}

}  // namespace windara
