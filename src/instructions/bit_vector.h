// The 16-element bit vector of a machine word and the conversions between
// numbers, word texts and bit vectors that the instructions share.
#pragma once

#include <array>
#include <cstdint>

#include "machine/machine_state.h"

namespace casl2wb {

// Elements 1 to 16 hold bits 0 to 15 of a word (element 16 is the sign bit);
// element 17 is the fill cell of the logical right shift; element 0 is unused.
// An element holds 0 or 1, and 2 for a moment while OR and XOR add two bits.
using BitVector = std::array<int, 18>;

// v[1..16] = the low 16 bits of n (two's complement for a negative n).
void S102(std::int64_t n, BitVector& v);
// n = the unsigned value of v[1..16], 0 to 65535.
void S210(std::int64_t& n, const BitVector& v);
// n = the signed value of m.hexWork; v[1..16] = its 16 bits.
void s162(MachineState& m, std::int64_t& n, BitVector& v);
// n = (the bitwise complement of the word in m.hexWork) + 1, 1 to 65536.
void comp(MachineState& m, std::int64_t& n, BitVector& v);
// n = -comp: the signed value of a word in m.hexWork whose sign bit is set.
void minasu(MachineState& m, std::int64_t& n, BitVector& v);

// The signed value (-32768 to 32767) of the word of n, that is of n modulo
// 65536; leaves that word in m.hexWork.
std::int64_t wordSignedValue(MachineState& m, std::int64_t n);

}  // namespace casl2wb
