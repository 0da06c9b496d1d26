#include "checks/standard_tables.h"

namespace windara {

namespace {

constexpr IecProtectionClass kProtection[] = {
    {"5P", 1.0, 60.0, 5.0},
    {"10P", 3.0, 0.0, 10.0},
};

constexpr IeeeBurden kBurdens[] = {
    {"B-0.1", 0.1, 0.9, false}, {"B-0.2", 0.2, 0.9, false}, {"B-0.5", 0.5, 0.9, false},
    {"B-0.9", 0.9, 0.9, false}, {"B-1.8", 1.8, 0.9, false}, {"B-1", 1.0, 0.5, true},
    {"B-2", 2.0, 0.5, true},    {"B-4", 4.0, 0.5, true},    {"B-8", 8.0, 0.5, true},
};

constexpr IeeeMeteringClass kMetering[] = {
    {"0.15S", 0.0015, 5.0, 0.0015}, {"0.15", 0.0015, 5.0, 0.003}, {"0.3", 0.003, 10.0, 0.006},
    {"0.6", 0.006, 10.0, 0.012},    {"1.2", 0.012, 10.0, 0.024},
};

constexpr IeeeRelayingClass kRelaying[] = {
    {"C10", "B-0.1"}, {"C20", "B-0.2"}, {"C50", "B-0.5"}, {"C100", "B-1"},
    {"C200", "B-2"},  {"C400", "B-4"},  {"C800", "B-8"},
};

}  // namespace

std::span<const IecProtectionClass> iecProtectionClasses() {
  return kProtection;
}

std::span<const IeeeBurden> ieeeBurdens() {
  return kBurdens;
}

std::optional<IeeeBurden> ieeeBurden(std::string_view name) {
  for (const IeeeBurden& b : kBurdens)
    if (name == b.name) return b;
  return std::nullopt;
}

std::span<const IeeeMeteringClass> ieeeMeteringClasses() {
  return kMetering;
}

std::span<const IeeeRelayingClass> ieeeRelayingClasses() {
  return kRelaying;
}

}  // namespace windara
