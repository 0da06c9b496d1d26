#include "app/explain.h"

#include <string>

#include "designs/smps/smps_engine.h"

namespace windara {

namespace {

// Placeholder for the types whose engines are not built yet: the type and its
// table, and a note instead of the rows.
Explanation notAvailable(const char* type, const char* table) {
  Explanation x;
  x.type = type;
  x.table = table;
  x.notes.push_back(std::string("Explaining ") + type + " designs is not available yet.");
  return x;
}

}  // namespace

Explanation explainDesign(const Session& s) {
  const Form& f = s.form;
  if (f.optSMPS.selected) return explainSmps(s);
  if (f.optTradCT.selected) return notAvailable("Traditional", "TWC.txt");
  if (f.optHall.selected) return notAvailable("Hall Effect", "Hall.txt");
  Explanation x;
  x.notes.push_back("No design type is selected, so no calculation runs.");
  return x;
}

}  // namespace windara
