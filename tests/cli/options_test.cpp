#include "cli/options.h"

#include <gtest/gtest.h>

namespace windara::cli {
namespace {

const std::vector<OptionSpec> kSpecs = {{"json", false}, {"answer", true}, {"save", true}};

TEST(Options, ValuesAreTakenAsTheyStand) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> positional;
    std::vector<std::string> answers;
  } cases[] = {
      {{"f.sps", "--answer", "-1", "--answer", ""}, {"f.sps"}, {"-1", ""}},
      {{"--answer=", "--answer=a=b", "f"}, {"f"}, {"", "a=b"}},
      {{"--answer", "--json", "-"}, {"-"}, {"--json"}},
      {{"--", "--answer", "-x"}, {"--answer", "-x"}, {}},
      {{"", "f"}, {"", "f"}, {}},
  };
  for (const auto& c : cases) {
    const ParsedArgs p = parseArgs(c.args, kSpecs);
    EXPECT_EQ(p.positional, c.positional);
    EXPECT_EQ(p.all("answer"), c.answers);
  }
}

TEST(Options, FlagsAndTheLastValue) {
  const ParsedArgs p = parseArgs({"--save", "a", "--json", "--save=b"}, kSpecs);
  EXPECT_TRUE(p.has("json"));
  EXPECT_EQ(p.last("save"), "b");
  EXPECT_FALSE(p.has("answer"));
  EXPECT_EQ(p.last("answer", "none"), "none");
}

TEST(Options, MistakesAreUsageErrors) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--jsonx"}, {"-j"}, {"--json=1"}, {"--save"}, {"f", "--answer"}, {"---json"}}) {
    EXPECT_THROW(parseArgs(args, kSpecs), UsageError) << args.back();
  }
}

}  // namespace
}  // namespace windara::cli
