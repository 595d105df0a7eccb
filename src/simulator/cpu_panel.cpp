#include "simulator/cpu_panel.h"

namespace casl2wb {

const Instruction* instructionAt(const MemoryImage& memory, std::int64_t address) {
  const Word word = memory.at(address);
  return word.hasValue() ? instructionWithCode(word.code()) : nullptr;
}

CpuPanel panelOf(const MemoryImage& memory, std::int64_t pr, const Registers& registers,
                 const Flags& flags, std::int64_t sp) {
  return {pr, registers, flags, sp, instructionAt(memory, pr)};
}

CpuPanel panelOf(const CpuState& cpu) {
  return panelOf(cpu.memory, cpu.pr, cpu.registers, cpu.flags, cpu.sp);
}

}  // namespace casl2wb
