#pragma once
// The main figures of the checks of a sweep point's core, named as
// `windara-cli design --json` names them: Traditional, the class with the
// ratio error and phase displacement at rated current and burden; SMPS, the
// droop and the flux swing; Hall Effect, the core flux and how far it stays
// below saturation.

#include <optional>
#include <string>
#include <vector>

#include "app/design_checks.h"

namespace windara {

struct PointChecks {
  std::string unavailable;               // why there are no figures; empty when there are
  std::optional<std::string> className;  // Traditional: the class, none when none holds
  std::vector<double> figures;           // as checkFigureNames lists them; NaN for none
};

// The figures' names for a design type code (files/design_file.h); none for another code.
std::vector<const char*> checkFigureNames(int typeCode);

// The figures of the checks of the form's core; nothing when it shows none.
std::optional<PointChecks> pointChecks(const Session& s);

}  // namespace windara
