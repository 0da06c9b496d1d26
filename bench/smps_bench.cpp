// One whole SMPS design on the form beside the bare read of its catalogue, and
// the explanation of the same calculation (every row judged, advice when no
// core fits) beside the design.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/app.h"
#include "common/fields.h"
#include "common/scripted_dialogs.h"
#include "designs/smps/design_smps.h"
#include "designs/smps/smps_engine.h"

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

// The inputs of the two explained cases: the defaults, where row 11 fits, and
// 5000 turns, where no hole takes the winding and the advice tries changes.
void smpsCase(windara::Form& f, bool noCore) {
  f.txtRatio.text = noCore ? "5000" : "100";
}

void BM_SmpsDesignCase(benchmark::State& state) {
  windara::ScriptedDialogs dialogs;
  windara::Session session(dialogs, kProgramDir);
  windara::App app(session);
  app.optSMPS_Click();
  smpsCase(session.form, state.range(0) != 0);
  for (auto _ : state) {
    windara::DesignSMPS(session);
    benchmark::DoNotOptimize(session.form.txtCore.text);
  }
}
BENCHMARK(BM_SmpsDesignCase)->Arg(0)->Arg(1);

void BM_SmpsExplain(benchmark::State& state) {
  windara::ScriptedDialogs dialogs;
  windara::Session session(dialogs, kProgramDir);
  windara::App app(session);
  app.optSMPS_Click();
  smpsCase(session.form, state.range(0) != 0);
  windara::DesignSMPS(session);
  for (auto _ : state) {
    const windara::Explanation x = windara::explainSmps(session);
    benchmark::DoNotOptimize(x.rows.data());
  }
  if (windara::explainSmps(session).rows.size() != 26) state.SkipWithError("not the whole table");
}
BENCHMARK(BM_SmpsExplain)->Arg(0)->Arg(1);

// A sweep's way: the catalogue read once, only the evaluations per point.
void BM_SmpsExplainSharedTable(benchmark::State& state) {
  windara::ScriptedDialogs dialogs;
  windara::Session session(dialogs, kProgramDir);
  windara::App app(session);
  app.optSMPS_Click();
  smpsCase(session.form, state.range(0) != 0);
  const windara::SmpsInputs in = windara::readSmpsInputs(session.form, session.locale);
  const windara::FerriteTable table = windara::readFerriteTable(kProgramDir);
  for (auto _ : state) {
    const windara::Explanation x = windara::explainSmps(in, table);
    benchmark::DoNotOptimize(x.rows.data());
  }
}
BENCHMARK(BM_SmpsExplainSharedTable)->Arg(0)->Arg(1);

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
