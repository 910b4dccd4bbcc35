// The host's commands on large drawings: "LAYER" "M" and "-VIEW" "S" typed N times into a
// new drawing, each time with a new name. With the symbol tables indexed by name, the time
// per command stays the same from 1,000 to 20,000 records; a linear lookup made the cost
// per command grow with the table (20,000 commands took 10 s and more).
#include <benchmark/benchmark.h>

#include <string>

#include "headless/Database.h"
#include "headless/Host.h"

namespace {

void TypeMany(benchmark::State& state, const wchar_t* command, const wchar_t* option) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    headless::NewDrawing();
    headless::ClearTranscript();
    state.ResumeTiming();
    for (int i = 0; i < n; ++i) {
      headless::PushInputs({option, L"Nazwa" + std::to_wstring(i), L""});
      headless::RunCommand(command);
      if (i % 1000 == 0) headless::ClearTranscript();
    }
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_LayerMake(benchmark::State& state) { TypeMany(state, L"LAYER", L"M"); }
void BM_ViewSave(benchmark::State& state) { TypeMany(state, L"-VIEW", L"S"); }

}  // namespace

BENCHMARK(BM_LayerMake)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ViewSave)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
