// Time of one complete check of generated programs, with the translation
// that follows a check without errors.
#include <benchmark/benchmark.h>

#include "assembler/assembler.h"
#include "generated_program.h"

namespace {

using namespace casl2wb;

void checkLines(benchmark::State& state) {
  const std::vector<Text> program = bench::generateProgram(static_cast<int>(state.range(0)));
  Assembler assembler;
  const MemoryImage image;
  for (auto _ : state) {
    const AssembledProgram assembled = assembler.assemble(program, image);
    benchmark::DoNotOptimize(assembled.listing.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(checkLines)->Arg(1013)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
