// Points calculated on several threads come out complete and in order, and a
// failure anywhere stops the sweep and reaches the caller.

#include "sweep/sweep_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "support/support.h"

namespace windara {
namespace {

struct Sweep {
  std::string text;
  std::vector<std::int64_t> done;  // as each block was written
};

// A sweep of the SMPS start design over `spec`, each row "index ratio core".
Sweep sweepRows(const char* spec, int threads, std::int64_t blockSize, std::int64_t failAt = -1,
                bool failInWrite = false) {
  const NumberLocale loc = NumberLocale::period();
  const SweepGrid grid({parseSweepAxis(spec, loc)}, loc);
  DesignFileContents design;
  design.type = kTypeSMPS;
  design.texts = {"0.8", "50", "10", "0.5", "100", "400"};
  design.material = 2;
  const auto tables = readCoreTables(testing::dataDir());
  const auto materials = std::make_shared<const MaterialsRead>(readMaterials(testing::dataDir()));
  Sweep run;
  SweepBlocks job;
  job.makeRunner = [&] {
    return std::make_unique<SweepRunner>(testing::dataDir(), loc, design, tables, materials);
  };
  job.row = [&](std::string& out, std::int64_t i, const std::vector<BoxValue>& values,
                const SweepPoint& p) {
    if (i == failAt && !failInWrite) throw std::runtime_error("row failed");
    out += std::to_string(i) + " " + values[0].text + " " + p.outputs[2] + "\n";
  };
  job.write = [&](const std::string& text, std::int64_t done) {
    if (failInWrite && done > failAt) throw std::runtime_error("write failed");
    run.text += text;
    run.done.push_back(done);
  };
  job.threads = threads;
  job.blockSize = blockSize;
  runSweepBlocks(grid, job);
  return run;
}

TEST(SweepBlocks, EveryThreadCountAndBlockSizeGivesTheSameRowsInOrder) {
  const Sweep one = sweepRows("txtRatio=1:400:101", 1, 256);
  ASSERT_EQ(one.done, (std::vector<std::int64_t>{101}));
  // Row i holds point i; the ratio runs 1, 4.99, ... 400.
  EXPECT_EQ(one.text.substr(0, 4), "0 1 ");
  EXPECT_NE(one.text.find("\n1 4.99 "), std::string::npos);
  EXPECT_NE(one.text.find("\n100 400 FTQ-1000-375-GX\n"), std::string::npos);
  for (int threads : {2, 3, 8}) {
    for (std::int64_t blockSize : {1, 7, 100, 101, 500}) {
      SCOPED_TRACE(std::to_string(threads) + " threads, blocks of " + std::to_string(blockSize));
      const Sweep many = sweepRows("txtRatio=1:400:101", threads, blockSize);
      EXPECT_EQ(many.text, one.text);
      ASSERT_FALSE(many.done.empty());
      EXPECT_EQ(many.done.back(), 101);
      EXPECT_TRUE(std::is_sorted(many.done.begin(), many.done.end()));
      EXPECT_EQ(static_cast<std::int64_t>(many.done.size()), (101 + blockSize - 1) / blockSize);
    }
  }
}

TEST(SweepBlocks, AFailureStopsTheSweepAndReachesTheCaller) {
  for (bool inWrite : {false, true}) {
    for (int threads : {1, 2, 4}) {
      SCOPED_TRACE(std::to_string(threads) + (inWrite ? " threads, write" : " threads, row"));
      try {
        sweepRows("txtRatio=1:400:2000", threads, 16, 700, inWrite);
        ADD_FAILURE() << "no failure";
      } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), inWrite ? "write failed" : "row failed");
      }
    }
  }
}

}  // namespace
}  // namespace windara
