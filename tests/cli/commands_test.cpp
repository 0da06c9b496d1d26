#include "cli/commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/support.h"

namespace windara::cli {
namespace {

using windara::testing::TempDir;

struct Outcome {
  int status = -1;
  std::string out, err;
  std::vector<std::string> answers;  // what the input boxes got
};

// Opens `design` with the given arguments and then shows `boxes` input boxes.
Outcome openAndAsk(const std::string& design, std::vector<std::string> argv, int boxes) {
  TempDir dir;
  const auto file = dir.write("d.sps", design);
  std::istringstream in;
  std::ostringstream out, err;
  Environment env{dir.path(), NumberLocale::period(), in, out, err};
  argv.insert(argv.begin(), file.string());
  Outcome run;
  run.status = withOpenedDesign(parseDesignRequest(argv, {}, env), env, [&](HeadlessProgram& p) {
    for (int i = 0; i < boxes; ++i)
      run.answers.push_back(
          p.app().session().dialogs.input("Enter\r\rthe value", "Invalid Entry", "1"));
    return kExitOk;
  });
  run.out = out.str();
  run.err = err.str();
  return run;
}

const std::string kDesign = "4\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"6\"\r\n2\r\n";

TEST(Commands, InputBoxesTakeTheAnswersInOrderUntilNoneIsLeft) {
  const Outcome enough = openAndAsk(kDesign, {"--answer", "", "--answer=-x", "--answer", "3"}, 3);
  EXPECT_EQ(enough.status, kExitOk);
  EXPECT_EQ(enough.answers, (std::vector<std::string>{"", "-x", "3"}));
  EXPECT_EQ(enough.err, "");

  const Outcome spare = openAndAsk(kDesign, {"--answer", "a", "--answer", "b"}, 1);
  EXPECT_EQ(spare.status, kExitOk);
  EXPECT_NE(spare.err.find("1 answer(s) left unused"), std::string::npos) << spare.err;

  const Outcome tooFew = openAndAsk(kDesign, {"--answer", "a"}, 2);
  EXPECT_EQ(tooFew.status, kExitNoAnswer);
  EXPECT_NE(tooFew.err.find("Enter\n\nthe value"), std::string::npos) << tooFew.err;
}

TEST(Commands, NothingRunsAfterADesignThatCannotBeOpened) {
  const Outcome run = openAndAsk("4\r\n\"1\"\r\n", {}, 1);
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_TRUE(run.answers.empty());
  EXPECT_NE(run.err.find("ended before the design was complete"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace windara::cli
