// Time of one complete check of generated programs, with the translation
// that follows a check without errors.
#include <benchmark/benchmark.h>

#include "codegen/assembler.h"
#include "codegen/memory_image.h"
#include "generated_program.h"
#include "source/checker.h"
#include "source/message_list.h"
#include "source/source_table.h"

namespace {

using namespace casl2wb;

void checkLines(benchmark::State& state) {
  const std::vector<Text> program = bench::generateProgram(static_cast<int>(state.range(0)));
  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  Assembler assembler(table, memory, messages, trace);
  for (auto _ : state) {
    assembler.checker.checkLines(program);
    benchmark::DoNotOptimize(messages.items.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(checkLines)->Arg(1013)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
