#include "designs/common/table_check.h"

#include "designs/hall/hall_check.h"
#include "designs/smps/ferrite_check.h"
#include "designs/trad/tape_core_check.h"

namespace windara {

TablesCheck checkTables(const std::filesystem::path& programDir) {
  TablesCheck all = checkTapeCoreTable(programDir);
  all.append(checkFerriteTable(programDir));
  all.append(checkHallTable(programDir));
  return all;
}

}  // namespace windara
