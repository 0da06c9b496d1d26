#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/fields.h"
#include "common/scripted_dialogs.h"
#include "designs/hall/design_hall.h"
#include "form/session.h"

namespace {

using namespace windara;

// One whole Hall calculation with the Hall defaults: validation, the read of
// Hall.txt, the core search and the writing of the boxes.
void BM_DesignHall(benchmark::State& state) {
  ScriptedDialogs dialogs;
  Session s(dialogs, WINDARA_PROGRAM_DIR, NumberLocale::period());
  Form& f = s.form;
  f.optSMPS.selected = false;
  f.optHall.selected = true;
  f.optQperm.selected = false;
  f.optPperm.selected = true;
  const std::string defaults[] = {"2", "10", "100", "0.100", "1", "0.5"};
  TextBox* boxes[] = {&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent,
                      &f.txtCurDens, &f.txtRatio,     &f.txtDutyCyc};
  for (int i = 0; i < 6; ++i)
    boxes[i]->text = defaults[i];
  for (auto _ : state) {
    DesignHall(s);
    benchmark::DoNotOptimize(f.txtCore.text.data());
  }
  if (!dialogs.events().empty() || f.txtCore.text == "N/A") state.SkipWithError("no design");
}
BENCHMARK(BM_DesignHall);

// The bare read of Hall.txt into memory, for comparison.
void BM_ReadHallFile(benchmark::State& state) {
  const auto file = std::filesystem::path(WINDARA_PROGRAM_DIR) / "Hall.txt";
  for (auto _ : state) {
    TableRead t = readTable(file, 312);
    benchmark::DoNotOptimize(t.cells.data());
  }
}
BENCHMARK(BM_ReadHallFile);

}  // namespace
