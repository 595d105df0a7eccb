// Setting the flag register FR (the text OF, SF, ZF) after an instruction.
// Every operation starts from "000"; no flag survives from an earlier one.
#pragma once

#include <cstdint>

#include "instructions/bit_vector.h"
#include "machine/machine_state.h"

namespace casl2wb {

// After LD, ADDA, SUBA, ADDL, SUBL, given the loaded value or the true (not
// yet reduced) result r: SF from bit 15 of r's word, ZF when that word is 0;
// OF by the last letter of the mnemonic at PR: "A" when r is outside -32768
// to 32767, "L" when r is outside 0 to 65535, otherwise 0.
void frsub(MachineState& m, std::int64_t r);
// After AND, OR, XOR, from the result bits: OF 0, SF bit 15, ZF all bits 0.
void frb(MachineState& m, const BitVector& v);
// A comparison of accum (register side) with operand: "010" less, "001"
// equal, "000" greater.
void frcp(MachineState& m);
// The arithmetic comparison: turns accum and operand into the signed values
// of their words, then frcp.
void frcpa(MachineState& m);
// After a shift, from the result bits and the bit shifted out last ('0' or
// '1', which becomes OF). ZF looks at bits 0 to 14 for SLA/SRA and bits 0 to
// 15 for SLL/SRL, chosen by the code at PR.
void frsb(MachineState& m, const BitVector& v, char out);

}  // namespace casl2wb
