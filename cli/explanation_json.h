#pragma once
// An explanation as one JSON object (documented in cli/README.md).

#include <QByteArray>
#include <QJsonObject>

#include "designs/common/evaluation.h"

namespace windara::cli {

QJsonObject explanationJson(const Explanation& x);
// Indented, ending in a line feed.
QByteArray explanationJsonText(const Explanation& x);

}  // namespace windara::cli
