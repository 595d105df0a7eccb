// Fuzz target: arbitrary bytes as a source file, checked, translated and run
// with scripted IN answers and a small pass limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codegen/assembler.h"
#include "machine/execution_loop.h"
#include "machine/step_replay.h"
#include "source/source_file.h"

namespace {

using namespace casl2wb;

class ScriptedAnswers : public RunDialogs {
 public:
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    static const std::string answers[] = {"ABC", "", "-1", std::string(120, 'Z'), "あｱ\t"};
    return answers[next_++ % 5];
  }
  void errorBox(const std::string&, const std::string&) override {}

 private:
  int next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  Assembler assembler(table, memory, messages, trace);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  assembler.checker.checkLines(splitSourceLines(decodeSourceBytes(bytes)));

  // A small pass limit keeps every input fast; MEX stays as the source says.
  Text& parameters = table.lineFields(1, colExtraField);
  parameters = (contains(parameters, U"MEX") ? U"MEX" : U"") + Text(U"LMT00040");

  MachineState machine(memory);
  VectorMessageList list;
  ScriptedAnswers answers;
  RegisterPanel panel;
  ExecutionLoop loop(machine, table, list, answers, panel);
  loop.jikoum_Click();
  loop.jikoum_Click();  // a second run on the memory the first one left

  StringTraceSelection selection;
  selection.content = trace.text;
  StepReplay replay(machine, list, selection, panel);
  for (int press = 0; press <= machine.replayEnd; ++press) replay.cmdadd_Click();
  return 0;
}
