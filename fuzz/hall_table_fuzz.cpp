// A whole Hall design on a Hall.txt of arbitrary bytes, with inputs chosen
// by the first bytes: never a crash, a hang or a leak, and always results or
// the no-design state.
#include "fuzz/table_fuzz_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return windara::fuzz::calculateOnTable(windara::fuzz::Mode::Hall, "Hall.txt", data, size);
}
