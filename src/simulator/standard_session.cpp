#include "simulator/standard_session.h"

namespace casl2wb::standard {

namespace {

// Hands IN and OUT on to the user's terminal and keeps OUT's lines.
class KeepingTerminal : public Terminal {
 public:
  KeepingTerminal(Terminal& terminal, std::vector<std::string>& lines)
      : terminal_(terminal), lines_(lines) {}
  std::optional<std::string> readLine() override { return terminal_.readLine(); }
  void writeLine(const std::string& utf8) override {
    lines_.push_back(utf8);
    terminal_.writeLine(utf8);
  }

 private:
  Terminal& terminal_;
  std::vector<std::string>& lines_;
};

}  // namespace

void Session::run(Terminal& terminal, std::int64_t stepLimit) {
  cpu = loadedCpu(program);
  startMemory = cpu.memory;
  const std::size_t limit = record.limit;
  record = StepRecord();
  record.limit = limit;
  outputLines.clear();
  KeepingTerminal keeping(terminal, outputLines);
  end = standard::run(cpu, keeping, stepLimit, &record);
  hasRun = true;
}

std::vector<std::uint16_t> Session::memoryAfter(std::size_t steps) const {
  std::vector<std::uint16_t> memory = startMemory;
  const std::size_t writes =
      steps == 0 ? 0 : record.steps[std::min(steps, record.steps.size()) - 1].writesEnd;
  for (std::size_t k = 0; k < writes; ++k)
    memory[record.writes[k].address] = record.writes[k].after;
  return memory;
}

std::int64_t Session::lastWriteOf(std::size_t slot) const {
  const std::size_t firstWrite = slot == 0 ? 0 : record.steps[slot - 1].writesEnd;
  const std::size_t writesEnd = record.steps[slot].writesEnd;
  return writesEnd > firstWrite ? record.writes[writesEnd - 1].address : 0;
}

int Session::firstFileLineOf(std::size_t slot) const {
  const auto place = program.lineAt(record.steps[slot].pr);
  return place && place->file == 0 ? place->line : 0;
}

}  // namespace casl2wb::standard
