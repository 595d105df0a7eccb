// LD, ST and LAD, and the rules every instruction handler shares: the loop
// sets xDigit and rDigit from the word at PR and calls the handler with PR
// still at the instruction's first word; the handler never moves PR, never
// checks addresses against the usable memory (the loop has done that) and
// never touches a display.
#pragma once

#include <cstdint>
#include <optional>

#include "machine/machine_state.h"

namespace casl2wb {

// The register a digit names: '0' to '7' give 0 to 7, anything else none.
// A handler given a register digit that names none changes nothing.
std::optional<int> registerIndex(char digit);
// Whether an address lies inside the memory image (0 to 3000).
bool inMemoryImage(std::int64_t address);
// Writes GRr in both forms: the word as it is, and its signed value.
void setRegisterWord(MachineState& m, int r, const MemoryWord& word);
// Writes GRr as hex4 of n (n modulo 65536, also left in hexWork) and the
// signed value of that word.
void setRegisterNumber(MachineState& m, int r, std::int64_t n);

// adr (the signed value of the word at PR + 1) plus, when xDigit names GR1
// to GR7, that register's value; '0' and '8' to 'F' name no index register.
// Not reduced modulo 65536. A word at PR + 1 outside the image reads as 0.
std::int64_t effectiveAddress(const MachineState& m);
// The second operand of an r,adr,x form (the word at eff) or, when
// isRegisterForm, of an r1,r2 form (GRr2, named by xDigit). None when xDigit
// names no register, or PR + 1 or eff lies outside the memory image.
std::optional<MemoryWord> secondOperandWord(const MachineState& m, bool isRegisterForm);

// LD r,adr,x: the word at eff into GRr, copied as it is (a blank word stays
// blank); FR by frsub.
void ld2(MachineState& m);
// LD r1,r2 (r1 = rDigit, r2 = xDigit): GRr2's word into GRr1; FR by frsub.
void ld1(MachineState& m);
// ST r,adr,x: GRr into the word at eff (text and memValue); FR unchanged.
void st2(MachineState& m);
// LAD r,adr,x: without index the adr word itself into GRr; with index the
// word of adr + GRx, wrapping modulo 65536. Reads no memory word; FR and
// accum unchanged.
void lad2(MachineState& m);

}  // namespace casl2wb
