#include "designs/tables/core_tables.h"

namespace windara {

namespace {

template <class Table>
std::shared_ptr<const Table> tableOf(const Session& s, Table CoreTables::*member,
                                     Table (*read)(const std::filesystem::path&)) {
  // Shares ownership of the whole set, so the table lives as long as the caller needs it.
  if (s.tables) return {s.tables, &(s.tables.get()->*member)};
  return std::make_shared<const Table>(read(s.programDir));
}

}  // namespace

std::shared_ptr<const CoreTables> readCoreTables(const std::filesystem::path& programDir) {
  return std::make_shared<const CoreTables>(CoreTables{
      readFerriteTable(programDir), readTapeCoreTable(programDir), readHallTable(programDir)});
}

std::shared_ptr<const FerriteTable> ferriteTable(const Session& s) {
  return tableOf(s, &CoreTables::ferrite, &readFerriteTable);
}

std::shared_ptr<const TapeCoreTable> tapeCoreTable(const Session& s) {
  return tableOf(s, &CoreTables::tapeCores, &readTapeCoreTable);
}

std::shared_ptr<const HallTable> hallTable(const Session& s) {
  return tableOf(s, &CoreTables::hall, &readHallTable);
}

}  // namespace windara
