#pragma once
// Runs another program to its end, the way a shell would start it.

#include <string>
#include <utility>
#include <vector>

namespace windara::bench {

// Runs `argv` (argv[0] is a full path) with the caller's environment plus
// `extraEnv` ("NAME=VALUE", replacing a variable of the same name); standard
// input, output and error go to /dev/null. Returns the exit status, or -1 when
// the program could not be started or did not exit normally.
int runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv = {});

}  // namespace windara::bench
