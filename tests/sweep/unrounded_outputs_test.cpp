// A sweep point's outputs before the form rounds them: each rounds to what its
// box shows, and along a sweep they move where the boxes' last digit stands still.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "checks/materials.h"
#include "designs/tables/core_tables.h"
#include "support/support.h"
#include "sweep/shown_number.h"
#include "sweep/single_design.h"
#include "sweep/sweep_runner.h"

namespace windara {
namespace {

struct Case {
  testing::DesignSpec design;
  const char* vary;
  std::size_t output;  // kOutputBoxes' index of a figure the box rounds
  double halfDigit;    // half the last digit the box shows
};

TEST(UnroundedOutputs, RoundToTheBoxesAndMoveBetweenTheirDigits) {
  const NumberLocale locale = NumberLocale::period();
  const Case cases[] = {
      // Accuracy "0.00%" of a Traditional design as the burden varies.
      {{2, {"5", "60", "10", "5000", "100", "400"}, 1, 2}, "txtVoltage=5:5.005:40", 0, 0.005},
      // The gap "0.000" of a Hall Effect design as the current varies.
      {{3, {"2", "10", "100", "0.5", "1", "0.1"}, 1, 0}, "txtPriCurrent=100:101:40", 0, 0.0005},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vary);
    testing::TempDir dir;
    FileOutcome outcome;
    const auto contents = readDesignFile(dir.write("d", c.design.fileText()), outcome);
    ASSERT_TRUE(contents);
    SweepRunner runner(testing::dataDir(), locale, *contents, readCoreTables(testing::dataDir()),
                       std::make_shared<const MaterialsRead>(readMaterials(testing::dataDir())));
    const SweepGrid grid({parseSweepAxis(c.vary, locale)}, locale);
    SweepPoint point;
    std::set<double> values;
    std::set<std::string> texts;
    runner.keepUnrounded(true);
    for (std::int64_t i = 0; i < grid.size(); ++i) {
      runner.run(grid.point(i), point);
      ASSERT_TRUE(point.found) << i;
      const double v = point.unrounded[c.output];
      const std::string& text = point.outputs[c.output];
      ASSERT_LE(std::fabs(v - *shownNumber(text, locale)), c.halfDigit * (1 + 1e-6)) << text;
      values.insert(v);
      texts.insert(text);
    }
    EXPECT_GT(values.size(), 2 * texts.size());
  }
}

}  // namespace
}  // namespace windara
