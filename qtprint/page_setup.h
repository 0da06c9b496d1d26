#pragma once
// The paper and margins of every page the program prints or writes.

#include <QPageSize>

namespace windara {

// The margin of every page the program prints or writes: printers clip a few
// millimetres at the edges, and a filed page needs room for punching.
inline constexpr double kPageMarginMm = 20.0;

// The page size a user of this locale expects: Letter where the locale
// measures in US units, A4 elsewhere.
QPageSize::PageSizeId localPageSize();

}  // namespace windara
