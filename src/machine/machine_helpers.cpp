#include "machine/machine_helpers.h"

#include <algorithm>

#include "codegen/op_tables.h"

namespace casl2wb {

std::string codeAt(const MachineState& m, std::int64_t pc) {
  static constexpr char digits[] = "0123456789ABCDEF";
  if (pc < 0 || pc > MemoryImage::lastAddress) return "";
  const MemoryWord& word = m.memory.memText[pc];
  switch (word.kind()) {
    case MemoryWord::Kind::Empty:
      return "";
    case MemoryWord::Kind::Blank:
      return "  ";
    case MemoryWord::Kind::Hex:
      break;
  }
  return {digits[word.bits() >> 12], digits[(word.bits() >> 8) & 0xF]};
}

std::string comd(const MachineState& m, std::int64_t pc) { return mnemonicOfCode(codeAt(m, pc)); }

void subm(MachineState& m, int gc) {
  if (m.memoryChanged || !m.memorySnapshot) {
    // Cells 0..255 (0..512 in extended mode) as they are now; the run start
    // made them all words or blank words.
    auto row = std::make_shared<MemoryRow>();
    const auto& memory = m.memory.memText;
    std::copy(memory.begin(), memory.begin() + row->size(), row->begin());
    m.memorySnapshot = std::move(row);
    m.memoryChanged = false;
  }
  m.memHist.at(gc) = m.memorySnapshot;
}

int opcodeAt(const MachineState& m, std::int64_t pc) {
  if (pc < 0 || pc > MemoryImage::lastAddress) return -1;
  const MemoryWord& word = m.memory.memText[pc];
  return word.kind() == MemoryWord::Kind::Hex ? word.bits() >> 8 : -1;
}

}  // namespace casl2wb
