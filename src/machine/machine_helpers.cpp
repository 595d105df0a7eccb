#include "machine/machine_helpers.h"

#include "codegen/op_tables.h"

namespace casl2wb {

std::string codeAt(const MachineState& m, std::int64_t pc) {
  if (pc < 0 || pc > MemoryImage::lastAddress) return "";
  return m.memory.memText[pc].text().substr(0, 2);
}

std::string comd(const MachineState& m, std::int64_t pc) {
  return mnemonicOfCode(codeAt(m, pc));
}

void subm(MachineState& m, int gc) {
  const int last = m.mexMode ? 512 : 255;
  auto& row = m.memHist.at(gc);
  for (int a = 0; a <= last; ++a) {
    const MemoryWord& word = m.memory.memText[a];
    if (word.kind() != MemoryWord::Kind::Empty) row[a] = word;
  }
}

}  // namespace casl2wb
