// Time of whole runs, end-of-run dumps included, and the time per
// instruction: a two-instruction loop and a three-instruction counting loop
// at the pass limit LMT99999, and a loop whose body walks all 43
// instructions of a pass in extended memory.
#include <benchmark/benchmark.h>

#include <string>

#include "assembler/assembler.h"
#include "base/source_file.h"
#include "simulator/execution_loop.h"

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
  void errorBox(const std::string&) override {}
};

void runProgram(benchmark::State& state, const char* name) {
  const SourceReadResult source = readSourceFile(std::string(CASL2WB_BENCH_PROGRAMS) + "/" + name);
  if (!source.ok) {
    state.SkipWithError(source.error.c_str());
    return;
  }
  const AssembledProgram program = Assembler().assemble(source.lines);
  if (!program.runnable()) {
    state.SkipWithError("the benchmark program has errors");
    return;
  }
  CancelledDialogs dialogs;
  double instructions = 0;
  for (auto _ : state) {
    Machine machine;
    machine.load(program);
    VectorMessageList list;
    RegisterPanel panel;
    Simulator(machine, list, dialogs, panel).run();
    instructions += machine.recordCount();
    benchmark::DoNotOptimize(list.items.data());
  }
  // Shown as seconds per instruction ("5n" is 5 ns).
  state.counters["per_instruction"] =
      benchmark::Counter(instructions, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void twoInstructionLoop(benchmark::State& state) { runProgram(state, "two_instruction_loop.txt"); }
void countingLoop(benchmark::State& state) { runProgram(state, "count_loop.txt"); }
void allInstructionsLoop(benchmark::State& state) {
  runProgram(state, "all_instructions_loop.txt");
}

BENCHMARK(twoInstructionLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(countingLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(allInstructionsLoop)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
