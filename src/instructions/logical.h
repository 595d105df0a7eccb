// AND, OR, XOR (bit by bit on 16-element bit vectors) and the comparisons
// CPA (signed) and CPL (unsigned), which only set FR.
#pragma once

#include <cstdint>

#include "instructions/bit_vector.h"
#include "machine/machine_state.h"

namespace casl2wb {

// AND/OR/XOR r,adr,x ("30", "31", "32"): operand = the signed value of the
// word at eff, then mm3log.
void acclogen(MachineState& m);
// AND/OR/XOR r1,r2 ("34", "35", "36"): operand = the signed value of GRr2
// (named by xDigit), then mm3log.
void acclogen1(MachineState& m);
// accum = GRr (rDigit); acclog; GRr = the result word; FR by frb.
void mm3log(MachineState& m);
// The bitwise core: combines the bits of accum and operand by the operation
// the code at PR names ("30"/"34" AND, "31"/"35" OR, "32"/"36" XOR), leaves
// the result bits in v and their unsigned value in accum.
void acclog(MachineState& m, BitVector& v);

// The second operand of a compare, formed by the loop before it calls mm3cp
// or mm3cpl: from the word at eff, or from GRr2 (xDigit) when isRegisterForm;
// CPA takes its signed value, CPL its unsigned value. Both store it in
// operand and return it. When xDigit names no register, or PR + 1 or eff lies
// outside the memory image, operand stays as it is and is returned.
std::int64_t cpaOperand(MachineState& m, bool isRegisterForm);
std::int64_t cplOperand(MachineState& m, bool isRegisterForm);

// CPA r,adr,x / CPA r1,r2: accum = GRr (rDigit), then frcpa against operand.
// No register changes. In the register form ("44") an xDigit that names no
// register leaves everything unchanged, like a bad register digit.
void mm3cp(MachineState& m);
// CPL r,adr,x / CPL r1,r2: accum = the unsigned value of GRr (rDigit), then
// frcp against operand; "45" with a bad xDigit changes nothing.
void mm3cpl(MachineState& m);

}  // namespace casl2wb
