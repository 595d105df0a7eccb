#include "instructions/shift.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "instructions/flags.h"
#include "instructions/load_store.h"
#include "machine/machine_helpers.h"

namespace casl2wb {

namespace {

enum class ShiftKind { None, SLA, SRA, SLL, SRL };

ShiftKind shiftKindAt(const MachineState& m) {
  const std::string code = codeAt(m, m.pr);
  if (code == "50") return ShiftKind::SLA;
  if (code == "51") return ShiftKind::SRA;
  if (code == "52") return ShiftKind::SLL;
  if (code == "53") return ShiftKind::SRL;
  return ShiftKind::None;
}

// The bit that leaves the register in the next step.
int leavingBit(ShiftKind kind, const BitVector& v) {
  switch (kind) {
    case ShiftKind::SLA:
      return v[15];
    case ShiftKind::SLL:
      return v[16];
    case ShiftKind::SRA:
    case ShiftKind::SRL:
      return v[1];
    case ShiftKind::None:
      break;
  }
  return 0;
}

// Moves the bits one position.
void step(ShiftKind kind, BitVector& v) {
  switch (kind) {
    case ShiftKind::SLA:
      for (int k = 15; k >= 2; --k) v[k] = v[k - 1];
      v[1] = 0;
      break;
    case ShiftKind::SRA:
      for (int k = 1; k <= 15; ++k) v[k] = v[k + 1];
      break;
    case ShiftKind::SLL:
      for (int k = 16; k >= 2; --k) v[k] = v[k - 1];
      v[1] = 0;
      break;
    case ShiftKind::SRL:
      v[17] = 0;
      for (int k = 1; k <= 16; ++k) v[k] = v[k + 1];
      break;
    case ShiftKind::None:
      break;
  }
}

// After 16 steps every shift has reached a word that a further step leaves
// as it is (all zeros, or the sign in every moving bit), so from the 17th
// step on both the word and the bit that leaves repeat themselves.
constexpr std::int64_t stepsThatMatter = 17;

}  // namespace

void shift(MachineState& m, std::int64_t value, BitVector& v, char& out) {
  S102(value, v);
  const ShiftKind kind = shiftKindAt(m);
  const std::int64_t steps = std::min(m.operand, stepsThatMatter);
  if (kind != ShiftKind::None) {
    for (std::int64_t s = 1; s <= steps; ++s) {
      if (s == steps) out = leavingBit(kind, v) == 1 ? '1' : '0';
      step(kind, v);
    }
  }
  S210(m.accum, v);
}

void mm3sft(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r) return;
  BitVector v{};
  char out = '0';
  shift(m, m.grValue[*r], v, out);
  if (m.operand > 0) setRegisterNumber(m, *r, m.accum);
  frsb(m, v, out);
}

void mm4sft(MachineState& m) {
  if (!inMemoryImage(m.pr) || !inMemoryImage(m.pr + 1)) return;
  const std::string word = m.memory.memText[m.pr].text();
  if (word.size() < 4) return;
  m.xDigit = word[3];
  m.rDigit = word[2];
  if (!registerIndex(m.rDigit)) return;
  m.operand = effectiveAddress(m);
  mm3sft(m);
}

}  // namespace casl2wb
