// Fuzz target: arbitrary bytes as a source file, checked, translated and run
// with scripted IN answers and a small pass limit, then replayed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembler/assembler.h"
#include "base/source_file.h"
#include "base/text.h"
#include "documents/run_dumps.h"
#include "documents/run_listing.h"
#include "simulator/execution_loop.h"
#include "simulator/replay.h"

namespace {

using namespace casl2wb;

class ScriptedAnswers : public RunDialogs {
 public:
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    static const std::string answers[] = {"ABC", "", "-1", std::string(120, 'Z'), "あｱ\t"};
    return answers[next_++ % 5];
  }
  void errorBox(const std::string&) override {}

 private:
  int next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  AssembledProgram program = Assembler().assemble(splitSourceLines(decodeSourceBytes(bytes)));

  // A small pass limit keeps every input fast; MEX stays as the source says.
  program.run.passLimit = 40;
  program.run.passLimitMalformed = false;

  Machine machine;
  machine.load(program);
  VectorMessageList list;
  RunListing listing(list);
  ScriptedAnswers answers;
  Simulator simulator(machine, listing, answers);
  simulator.run();
  simulator.run();  // a second run on the memory the first one left

  const Text trace = fromUtf8(program.traceText.value_or(""));
  TraceRange selection;
  Replay replay(machine);
  const int steps = machine.record().recordedSteps();
  for (int press = 0; press <= steps; ++press) {
    if (const auto step = replay.forward(trace, selection)) {
      selection = step->traceSelection;
      showStepMemory(machine, step->slot + 1, list);
    }
  }
  if (steps > 0) replay.show(steps - 1, trace, selection);
  return 0;
}
