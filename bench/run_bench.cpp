// Time of whole runs, end-of-run dumps included, and the time per
// instruction: a two-instruction loop and a three-instruction counting loop
// at the pass limit LMT99999, and a loop whose body walks all 43
// instructions of a pass in extended memory. For the counting loop also the
// time an instruction adds to a run: 30000 rounds less 3000 rounds, so that
// starting a run and its end-of-run dumps drop out.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "assembler/assembler.h"
#include "base/source_file.h"
#include "documents/run_listing.h"
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

// The program in the folder of benchmark programs; nothing when it cannot
// be read or has errors.
std::optional<AssembledProgram> loadProgram(benchmark::State& state, const char* name) {
  const SourceReadResult source = readSourceFile(std::string(CASL2WB_BENCH_PROGRAMS) + "/" + name);
  if (!source.ok) {
    state.SkipWithError(source.error.c_str());
    return std::nullopt;
  }
  AssembledProgram program = Assembler().assemble(source.lines);
  if (!program.runnable()) {
    state.SkipWithError("the benchmark program has errors");
    return std::nullopt;
  }
  return program;
}

// One whole run on a fresh machine; the instructions it carried out.
std::uint64_t runOnce(const AssembledProgram& program) {
  CancelledDialogs dialogs;
  Machine machine;
  machine.load(program);
  VectorMessageList list;
  RunListing listing(list);
  Simulator(machine, listing, dialogs).run();
  benchmark::DoNotOptimize(list.items.data());
  return machine.record().recordCount();
}

void runProgram(benchmark::State& state, const char* name) {
  const std::optional<AssembledProgram> program = loadProgram(state, name);
  if (!program) return;
  double instructions = 0;
  for (auto _ : state) instructions += static_cast<double>(runOnce(*program));
  // Shown as seconds per instruction ("5n" is 5 ns).
  state.counters["per_instruction"] =
      benchmark::Counter(instructions, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void twoInstructionLoop(benchmark::State& state) { runProgram(state, "two_instruction_loop.txt"); }
void countingLoop(benchmark::State& state) { runProgram(state, "count_loop.txt"); }
void allInstructionsLoop(benchmark::State& state) {
  runProgram(state, "all_instructions_loop.txt");
}

void countingLoopAddedInstruction(benchmark::State& state) {
  const std::optional<AssembledProgram> rounds30000 = loadProgram(state, "count_loop.txt");
  const std::optional<AssembledProgram> rounds3000 = loadProgram(state, "count_loop_3000.txt");
  if (!rounds30000 || !rounds3000) return;
  using Clock = std::chrono::steady_clock;
  double instructions = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    const std::uint64_t many = runOnce(*rounds30000);
    const Clock::time_point middle = Clock::now();
    const std::uint64_t few = runOnce(*rounds3000);
    const Clock::time_point end = Clock::now();
    state.SetIterationTime(
        std::chrono::duration<double>((middle - start) - (end - middle)).count());
    instructions += static_cast<double>(many - few);
  }
  state.counters["per_instruction"] =
      benchmark::Counter(instructions, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(twoInstructionLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(countingLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(allInstructionsLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(countingLoopAddedInstruction)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
