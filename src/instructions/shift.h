// SLA, SRA (arithmetic: bit 15 stays) and SLL, SRL (logical: all 16 bits
// move) of a general register. The count is formed like an effective address
// but no memory word is read; the bit that leaves last becomes OF.
#pragma once

#include "instructions/bit_vector.h"
#include "machine/machine_state.h"

namespace casl2wb {

// The entry of the loop for "50" to "53": sets xDigit and rDigit from the
// word at PR, puts the count (adr, plus GRx when x names GR1 to GR7; not
// reduced modulo 65536) in operand, then mm3sft.
void mm4sft(MachineState& m);
// Shifts GRr (rDigit) by the count in operand and sets FR by frsb. A count of
// 0 or less moves no bit and leaves the register as it is; OF is then 0.
void mm3sft(MachineState& m);
// Shifts the word of value by the count in m.operand, one position per step,
// in the direction the code at PR names. Leaves the result bits in v, their
// unsigned value in m.accum and the bit that left in the last step in out
// (out is not touched when no bit leaves). Any count beyond 17 gives exactly
// what 17 gives, so huge counts cost no more than that.
void shift(MachineState& m, std::int64_t value, BitVector& v, char& out);

}  // namespace casl2wb
