#pragma once
// What windara-cli advise prints: lines for people, or one JSON object.

#include <string>

#include "advise/candidate.h"
#include "advise/requirement.h"
#include "common/number.h"

namespace windara::cli {

std::string adviceText(const Requirement& req, const Advice& advice, const NumberLocale& locale);
std::string adviceJson(const Requirement& req, const Advice& advice);

}  // namespace windara::cli
