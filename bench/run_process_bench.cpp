// Wall time of `casl2wb-cli run` as a whole process, from its start to its
// exit, on the benchmark programs: the worst case of a pass (all 43
// instructions, ;LMT99999MEX, 2.2 million instructions and 6.8 MB of DMP and
// OUT lines) and, for the cost of starting a process, a program of one RET.
// The target for the worst case is 15 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "quiet_process.h"

#ifndef CASL2WB_CLI
#error "CASL2WB_CLI must name the casl2wb-cli program"
#endif
#ifndef CASL2WB_BENCH_PROGRAMS
#error "CASL2WB_BENCH_PROGRAMS must name the folder of the benchmark programs"
#endif

namespace {

void runProcess(benchmark::State& state, const char* name) {
  const std::string program = std::string(CASL2WB_BENCH_PROGRAMS) + "/" + name;
  for (auto _ : state) {
    if (casl2wb::bench::runQuietly({CASL2WB_CLI, "run", program}) != 0) {
      state.SkipWithError("casl2wb-cli run failed");
      return;
    }
  }
}

void allInstructionsLoopProcess(benchmark::State& state) {
  runProcess(state, "all_instructions_loop.txt");
}
void returnOnlyProcess(benchmark::State& state) { runProcess(state, "return_only.txt"); }

BENCHMARK(allInstructionsLoopProcess)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(returnOnlyProcess)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
