#pragma once
// Everything a procedure of the program works with: the form, the user's
// numeric conventions, the program's folder and the platform's ports.

#include <filesystem>
#include <memory>
#include <string>

#include "common/number.h"
#include "common/ports.h"
#include "form/form.h"

namespace windara {

struct CoreTables;     // designs/tables/core_tables.h
struct MaterialsRead;  // checks/materials.h
struct EngineRuns;     // designs/tables/engine_runs.h

struct Session {
  Session(Dialogs& d, std::filesystem::path dir, NumberLocale loc = {})
      : dialogs(d), programDir(std::move(dir)), locale(loc) {
    // The designed start texts are numbers, so they carry the user's decimal
    // separator; otherwise the untouched window would be refused in a
    // decimal-comma locale.
    form.txtVoltage.text = formatGeneral(0.8, locale);
    form.txtDutyCyc.text = formatGeneral(0.5, locale);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Form form;
  Dialogs& dialogs;
  std::filesystem::path programDir;  // where the tables, icons and help file lie
  NumberLocale locale;
  FileDialog* cmnDialog1 = nullptr;  // file dialog and help invoker
  HelpViewer* help = nullptr;
  std::string helpFile;  // set at start
  // Core tables read once and shared by many calculations; when unset (as
  // normally), each calculation reads its table from programDir afresh.
  std::shared_ptr<const CoreTables> tables;
  // The same for the material data of the checks (app/shared_data.h).
  std::shared_ptr<const MaterialsRead> materials;
  // The designs' last searches, which the checks of the same calculation take
  // instead of searching again; a cache, so kept even by a const session.
  mutable std::shared_ptr<EngineRuns> runs;
  // How many designs have run (app/ counts them): the results on the form
  // are a calculation's only once it is above zero, and a front end compares
  // it to see that they were calculated afresh.
  long calculations = 0;
};

}  // namespace windara
