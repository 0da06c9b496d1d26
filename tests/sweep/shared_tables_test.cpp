// Core tables and material data read once and hung on a session serve all its
// calculations and checks; a session without them reads the files afresh each time.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/design_checks.h"
#include "designs/tables/core_tables.h"
#include "designs/tables/engine_runs.h"
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

TEST(EngineRuns, AnEditedTableIsSearchedAgainForTheSameInputs) {
  // Without shared tables every calculation reads its table as a new object, so
  // the search kept from the last one is not taken, though the inputs are equal.
  testing::TableCopy copy;
  std::filesystem::copy_file(testing::dataDir() / "Materials.txt", copy.path() / "Materials.txt");
  Harness h(copy.path());
  h.app.cmdCalculate_Click();  // the SMPS start design: row 11, AL 3136 in grade Q
  ASSERT_EQ(h.form().txtCore.text, "FTQ-0540-210-GX");
  ASSERT_EQ(h.form().txtAL.text, "3136");
  ASSERT_TRUE(h.session.runs);

  testing::TableText ferrite = copy.load("Ferrite.txt");
  ferrite.field(11, 8) = "3300";
  copy.save("Ferrite.txt", ferrite);
  h.app.cmdCalculate_Click();
  EXPECT_EQ(h.form().txtAL.text, "3300");
  EXPECT_EQ(h.form().txtActualL.text, "33");  // 3300 mH per 1000 turns on 100 turns
  const std::optional<DesignChecks> d = checkDesign(h.session);
  ASSERT_TRUE(d && d->smpsInputs);
  EXPECT_DOUBLE_EQ(d->smpsInputs->inductanceMh, 33.0);
}

TEST(EngineRuns, InputsAreTheSameOnlyBitForBit) {
  SmpsInputs smps;
  smps.V = 0.8f;
  smps.N = 100;
  smps.grade = {"Q", 1};
  SmpsInputs other = smps;
  EXPECT_TRUE(sameSmpsInputs(smps, other));
  other.J = -0.0f;  // equal to 0 in arithmetic, not the same input
  EXPECT_FALSE(sameSmpsInputs(smps, other));
  other = smps;
  other.grade.index = 2;
  EXPECT_FALSE(sameSmpsInputs(smps, other));
  other = smps;
  other.locale = NumberLocale::comma();  // spells numeric part numbers otherwise
  EXPECT_FALSE(sameSmpsInputs(smps, other));
  smps.D = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(sameSmpsInputs(smps, SmpsInputs(smps)));

  TradInputs trad;
  trad.ratio = 100;
  trad.thickness = 2;
  TradInputs changed = trad;
  EXPECT_TRUE(sameTradInputs(trad, changed));
  changed.thickness = 4;  // the fallback's second calculation
  EXPECT_FALSE(sameTradInputs(trad, changed));
  changed = trad;
  changed.alloy.letter = "P";
  EXPECT_FALSE(sameTradInputs(trad, changed));
  changed = trad;
  changed.bmax = std::nextafter(0.0f, 1.0f);
  EXPECT_FALSE(sameTradInputs(trad, changed));

  HallRunInputs hall{{}, NumberLocale::period()};
  hall.inputs.turns = 1;
  HallRunInputs moved = hall;
  EXPECT_TRUE(sameHallInputs(hall, moved));
  moved.inputs.material = HallMaterialId::Zendra;
  EXPECT_FALSE(sameHallInputs(hall, moved));
  moved = hall;
  moved.locale = NumberLocale::comma();
  EXPECT_FALSE(sameHallInputs(hall, moved));
}

}  // namespace
}  // namespace windara
