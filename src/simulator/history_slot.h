// One recorded step of a run: PR, the registers, FR and SP after it; and the
// memory cells a history row holds.
#pragma once

#include <array>
#include <cstdint>

#include "comet2/flags.h"
#include "comet2/word.h"
#include "simulator/cpu_state.h"

namespace casl2wb {

// The registers, FR and SP after one recorded instruction, and its PR. One
// cache line each, found by a shift.
struct alignas(64) HistorySlot {
  std::int64_t pr = 0;
  Registers registers{};
  Flags flags;
  std::int64_t sp = 0;
  // While a run records: which of `registers` the record holds, the others
  // being those of the slot before. The end of the run fills them in.
  static constexpr std::int8_t noRegister = -1;
  static constexpr std::int8_t allRegisters = 8;
  std::int8_t registersRecorded = allRegisters;  // or the one register 0 to 7

  // Records FR and SP of `cpu` under `atPr`, with all registers, none (an
  // instruction that leaves them), or the one register 0 to 7 that the
  // instruction may have changed: the execution loop records a register
  // just written without reading the others, which would stall the
  // processor until the write is done. Field by field, for the same reason.
  [[gnu::always_inline]] void record(const CpuState& cpu, std::int64_t atPr,
                                     int registersToRecord) {
    pr = atPr;
    if (registersToRecord == allRegisters) {
      registers = cpu.registers;
    } else if (registersToRecord != noRegister) {
      const auto r = static_cast<std::size_t>(registersToRecord);
      registers[r] = cpu.registers[r];
    }
    registersRecorded = static_cast<std::int8_t>(registersToRecord);
    flags = cpu.flags;
    sp = cpu.sp;
  }
};

// The memory cells 0 to 513 of one history row.
using MemoryRow = std::array<Word, 514>;

}  // namespace casl2wb
