#pragma once
// Figures a check refuses: each spoiled copy of a sound set, and the reason it gives.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace windara::testing {

template <class Inputs>
struct Refusal {
  void (*spoil)(Inputs&);
  const char* says;  // after "cannot check: "
};

template <class Inputs, class Check>
void expectRefused(const Inputs& sound, const std::vector<Refusal<Inputs>>& cases, Check check) {
  for (const Refusal<Inputs>& c : cases) {
    Inputs in = sound;
    c.spoil(in);
    const auto out = check(in);
    EXPECT_FALSE(out.checks) << c.says;
    EXPECT_EQ(out.unavailable, std::string("cannot check: ") + c.says);
  }
}

}  // namespace windara::testing
