// Core tables and material data read once and hung on a session serve all its
// calculations and checks; a session without them reads the files afresh each time.

#include <gtest/gtest.h>

#include "app/design_checks.h"
#include "designs/tables/core_tables.h"
#include "support/harness.h"
#include "support/table_copy.h"

namespace windara {
namespace {

using testing::Harness;

struct TypeCase {
  const char* table;
  OptionButton Form::*mode;
};

TEST(SharedTables, AnEditOfATableIsNotSeenWhileTheyAreShared) {
  const TypeCase cases[] = {
      {"Ferrite.txt", &Form::optSMPS}, {"TWC.txt", &Form::optTradCT}, {"Hall.txt", &Form::optHall}};
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(c.table);
    testing::TableCopy copy;
    const std::shared_ptr<const CoreTables> tables = readCoreTables(copy.path());
    Harness shared(copy.path()), fresh(copy.path());
    shared.session.tables = tables;
    for (Harness* h : {&shared, &fresh}) {
      h->form().select(h->form().*c.mode);
      h->app.cmdCalculate_Click();
      ASSERT_NE(h->form().txtCore.text, "N/A");
    }
    const std::string core = shared.form().txtCore.text;
    EXPECT_EQ(fresh.form().txtCore.text, core);

    std::filesystem::remove(copy.path() / c.table);
    for (Harness* h : {&shared, &fresh}) {
      h->dialogs.clear();
      h->app.cmdCalculate_Click();
    }
    EXPECT_EQ(shared.form().txtCore.text, core);
    EXPECT_TRUE(shared.events().empty());
    EXPECT_EQ(fresh.form().txtCore.text, "N/A");
    ASSERT_EQ(fresh.events().size(), 1u);
    EXPECT_EQ(fresh.events()[0].title, "Core Table");

    // Taken off again, the session reads the folder as it is now.
    shared.session.tables.reset();
    shared.app.cmdCalculate_Click();
    EXPECT_EQ(shared.form().txtCore.text, "N/A");
  }
}

TEST(SharedTables, TheChecksKeepTheMaterialDataTheyWereGiven) {
  testing::TableCopy copy;
  std::filesystem::copy_file(testing::dataDir() / "Materials.txt", copy.path() / "Materials.txt");
  Harness shared(copy.path()), fresh(copy.path());
  shared.session.materials = std::make_shared<const MaterialsRead>(readMaterials(copy.path()));
  for (Harness* h : {&shared, &fresh})
    h->app.cmdCalculate_Click();  // the SMPS start design finds a core
  std::filesystem::remove(copy.path() / "Materials.txt");

  const std::optional<DesignChecks> kept = checkDesign(shared.session);
  ASSERT_TRUE(kept);
  EXPECT_TRUE(kept->available()) << kept->unavailable;
  EXPECT_TRUE(kept->smps);
  const std::optional<DesignChecks> gone = checkDesign(fresh.session);
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->unavailable.rfind("material data unavailable: ", 0), 0u) << gone->unavailable;
}

TEST(SharedTables, EveryCalculationGetsTheSameGridWithoutReadingIt) {
  Harness h;
  EXPECT_NE(ferriteTable(h.session), ferriteTable(h.session));  // each read afresh
  h.session.tables = readCoreTables(testing::dataDir());
  EXPECT_EQ(ferriteTable(h.session).get(), &h.session.tables->ferrite);
  EXPECT_EQ(tapeCoreTable(h.session).get(), &h.session.tables->tapeCores);
  EXPECT_EQ(hallTable(h.session).get(), &h.session.tables->hall);
  // A table handed out outlives the session letting go of the set.
  const std::shared_ptr<const HallTable> hall = hallTable(h.session);
  h.session.tables.reset();
  EXPECT_TRUE(hall->ok());
  EXPECT_EQ(hall->cells.size(), std::size_t{kHallRows} * kHallColumns);
}

}  // namespace
}  // namespace windara
