#pragma once
// How the points of a sweep are written: CSV (sweep/sweep_format.h) or one
// JSON object whose "points" array holds one point per line.

#include <memory>

#include "sweep/sweep_format.h"

namespace windara::cli {

std::unique_ptr<SweepFormat> jsonSweepFormat(const SweepHeading& heading);

}  // namespace windara::cli
