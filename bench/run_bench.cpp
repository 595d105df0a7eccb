// Time of whole runs at the pass limit LMT99999, end-of-run dumps included:
// a two-instruction loop, and a loop whose body walks all 43 blocks in one
// pass in extended memory.
#include <benchmark/benchmark.h>

#include <string>

#include "codegen/assembler.h"
#include "machine/execution_loop.h"
#include "source/source_file.h"

#ifndef CASL2WB_BENCH_PROGRAMS
#error "CASL2WB_BENCH_PROGRAMS must name the folder of the benchmark programs"
#endif

namespace {

using namespace casl2wb;

class CancelledDialogs : public RunDialogs {
 public:
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    return "";
  }
  void errorBox(const std::string&, const std::string&) override {}
};

void runProgram(benchmark::State& state, const char* name) {
  const SourceReadResult source = readSourceFile(std::string(CASL2WB_BENCH_PROGRAMS) + "/" + name);
  if (!source.ok) {
    state.SkipWithError(source.error.c_str());
    return;
  }
  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  Assembler assembler(table, memory, messages, trace);
  assembler.checker.checkLines(source.lines);
  if (table.errorCount != 0) {
    state.SkipWithError("the benchmark program has errors");
    return;
  }
  const MemoryImage translated = memory;
  CancelledDialogs dialogs;
  for (auto _ : state) {
    memory = translated;
    MachineState machine(memory);
    VectorMessageList list;
    RegisterPanel panel;
    ExecutionLoop loop(machine, table, list, dialogs, panel);
    loop.jikoum_Click();
    benchmark::DoNotOptimize(list.items.data());
  }
}

void twoInstructionLoop(benchmark::State& state) { runProgram(state, "two_instruction_loop.txt"); }
void allBlocksLoop(benchmark::State& state) { runProgram(state, "all_blocks_loop.txt"); }

BENCHMARK(twoInstructionLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(allBlocksLoop)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
