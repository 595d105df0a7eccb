// PUSH, POP, RPUSH, RPOP, CALL and RET as a pass carries them out: they move
// SP, and PR, which the pass keeps to itself; their writes go into the run's
// record. The pass has checked PR and SP against the usable memory, so every
// cell they read lies within the memory image.
#pragma once

#include <cstdint>

#include "base/messages.h"
#include "simulator/instructions.h"
#include "simulator/pass_state.h"
#include "simulator/run_output.h"
#include "simulator/run_record.h"

namespace casl2wb {

// PUSH adr,x: eff onto the stack.
[[gnu::always_inline]] inline StepEnd pushWord(CpuState& cpu, RunRecord& record, PassState& s,
                                               Word word, std::int64_t eff, RunOutput& output) {
  if (cpu.sp - 1 < 0) return StepEnd::StackFull;
  --cpu.sp;
  if (word.x() == 0) output.line(formatMessage(Message::PushWithoutIndex));
  record.write(cpu.memory, s.step(record), cpu.sp, Word::of(eff));
  s.record(cpu, s.pr);
  s.pr += 2;
  return StepEnd::StackMoved;
}

// POP r: the word at SP into r (a field 8 to F names no register).
[[gnu::always_inline]] inline StepEnd popWord(CpuState& cpu, PassState& s, Word word) {
  const std::int32_t value = cpu.memory[cpu.sp].signedValue();
  const int r = word.r();
  if (r <= 7) cpu.registers[static_cast<std::size_t>(r)] = Word::of(value);
  ++cpu.sp;
  s.record(cpu, s.pr, r <= 7 ? r : HistorySlot::noRegister);
  s.pr += 1;
  return StepEnd::StackMoved;
}

// RPUSH: seven pushes in one step, GR1 ending at the highest address and GR7
// at SP. The address word of each generated PUSH 0,GRn is read just before
// its push, so a stack grown into the words of RPUSH changes what it pushes.
[[gnu::always_inline]] inline StepEnd pushRegisters(CpuState& cpu, RunRecord& record,
                                                    PassState& s) {
  if (cpu.sp - 7 < 0) return StepEnd::StackFull;
  const std::int64_t at = s.pr;
  --cpu.sp;
  for (std::size_t n = 1; n <= 7; ++n) {
    const std::int32_t address = cpu.memory[at + 2 * static_cast<std::int64_t>(n)].signedValue();
    record.write(cpu.memory, s.step(record), cpu.sp,
                 Word::of(address + cpu.registers[n].signedValue()));
    if (n < 7) --cpu.sp;
  }
  s.record(cpu, at);
  s.pr = at + 15;
  return StepEnd::StackMoved;
}

// RPOP: seven pops in one step, GR7 first, each word taken as it is;
// recorded at the address of the last generated POP word.
[[gnu::always_inline]] inline StepEnd popRegisters(CpuState& cpu, PassState& s) {
  for (std::size_t n = 7; n >= 1; --n) {
    cpu.registers[n] = cpu.memory[cpu.sp];
    ++cpu.sp;
  }
  s.record(cpu, s.pr + 7, HistorySlot::allRegisters);
  s.pr += 8;
  return StepEnd::StackMoved;
}

// CALL adr,x: the return address onto the stack, then a jump. The jump
// target is computed after the return address is written: a stack grown
// into the CALL itself changes its words. It may lie anywhere.
[[gnu::always_inline]] inline StepEnd callSubroutine(CpuState& cpu, RunRecord& record,
                                                     PassState& s) {
  if (cpu.sp - 1 < 0) return StepEnd::StackFull;
  const std::int64_t at = s.pr;
  --cpu.sp;
  record.write(cpu.memory, s.step(record), cpu.sp, Word::of(at + 2));
  std::int64_t target = cpu.memory[at + 1].signedValue();
  const int x = cpu.memory[at].x();
  if (x >= 1 && x <= 7) target += cpu.registers[static_cast<std::size_t>(x)].signedValue();
  s.record(cpu, at);
  s.pr = target;
  return StepEnd::StackMoved;
}

// RET: RET on an empty stack ends the run (a main program's RET); a return
// beyond the memory ends it with PR 255 (or 512 in extended mode). Any other
// return address, even outside the memory image, becomes PR. The run ends
// only in these two ways here, both a return.
[[gnu::always_inline]] inline StepEnd returnFromSubroutine(CpuState& cpu, PassState& s) {
  if (cpu.memory[cpu.sp].isBlank()) return StepEnd::RunOver;
  s.record(cpu, s.pr);
  s.pr = cpu.memory[cpu.sp].signedValue();
  ++cpu.sp;
  const int limit = cpu.memoryTop();
  if (s.pr > limit || cpu.sp > limit) {
    s.pr = cpu.extendedMemory ? extendedMemoryWords : standardMemoryWords - 1;
    return StepEnd::RunOver;
  }
  return StepEnd::StackMoved;
}

}  // namespace casl2wb
