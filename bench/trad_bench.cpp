// One whole Traditional design on the form beside the bare read of its core table.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/app.h"
#include "common/fields.h"
#include "common/scripted_dialogs.h"
#include "designs/trad/design_trad.h"
#include "designs/trad/tape_core_table.h"

namespace {

const std::filesystem::path kProgramDir = WINDARA_PROGRAM_DIR;

void BM_DesignTradCT(benchmark::State& state) {
  windara::ScriptedDialogs dialogs;
  windara::Session session(dialogs, kProgramDir);
  windara::App app(session);
  windara::Form& f = session.form;
  // Traditional mode with its defaults, alloy S at 2 mil.
  f.select(f.optTradCT);
  if (!dialogs.events().empty() || f.txtCore.text == "N/A") {
    state.SkipWithError("the Traditional defaults do not give a quiet design");
    return;
  }
  for (auto _ : state) {
    windara::DesignTradCT(session);
    benchmark::DoNotOptimize(f.txtCore.text);
  }
}
BENCHMARK(BM_DesignTradCT);

void BM_ReadTapeCoreTable(benchmark::State& state) {
  for (auto _ : state) {
    windara::TableRead t = windara::readTable(kProgramDir / windara::kTapeCoreFile, 517);
    benchmark::DoNotOptimize(t.cells.data());
  }
}
BENCHMARK(BM_ReadTapeCoreTable);

void BM_ReadTapeCoreBytes(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(kProgramDir / windara::kTapeCoreFile, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ReadTapeCoreBytes);

}  // namespace
