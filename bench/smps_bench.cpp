// One whole SMPS design on the form beside the bare read of its catalogue.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/app.h"
#include "common/fields.h"
#include "common/scripted_dialogs.h"
#include "designs/smps/design_smps.h"

namespace {

const std::filesystem::path kProgramDir = WINDARA_PROGRAM_DIR;

void BM_SmpsDesign(benchmark::State& state) {
  windara::ScriptedDialogs dialogs;
  windara::Session session(dialogs, kProgramDir);
  windara::App app(session);
  app.optSMPS_Click();  // the SMPS defaults, which need no message
  for (auto _ : state) {
    windara::DesignSMPS(session);
    benchmark::DoNotOptimize(session.form.txtCore.text);
  }
  if (!dialogs.events().empty()) state.SkipWithError("the defaults showed a message");
}
BENCHMARK(BM_SmpsDesign);

void BM_FerriteTableRead(benchmark::State& state) {
  for (auto _ : state) {
    auto table = windara::readTable(kProgramDir / "Ferrite.txt", 364);
    benchmark::DoNotOptimize(table.cells.data());
  }
}
BENCHMARK(BM_FerriteTableRead);

void BM_FerriteFileBytes(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(kProgramDir / "Ferrite.txt", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_FerriteFileBytes);

}  // namespace
