#include "instructions/load_store.h"

#include "instructions/flags.h"
#include "instructions/word_arithmetic.h"

namespace casl2wb {

namespace {

// GR1 to GR7 as index register; GR0 and the digits 8 to F mean no index.
std::optional<int> indexRegister(char digit) {
  if (digit >= '1' && digit <= '7') return digit - '0';
  return std::nullopt;
}

}  // namespace

void setRegisterWord(MachineState& m, int r, const MemoryWord& word) {
  m.grText[r] = word;
  m.grValue[r] = signedValue(word);
}

void setRegisterNumber(MachineState& m, int r, std::int64_t n) {
  hex4(m, n);
  setRegisterWord(m, r, wordOf(n));
}

std::optional<int> registerIndex(char digit) {
  if (digit >= '0' && digit <= '7') return digit - '0';
  return std::nullopt;
}

bool inMemoryImage(std::int64_t address) {
  return address >= 0 && address <= MemoryImage::lastAddress;
}

std::int64_t effectiveAddress(const MachineState& m) {
  const std::int64_t at = m.pr + 1;
  std::int64_t eff = inMemoryImage(at) ? signedValue(m.memory.memText[at]) : 0;
  if (const auto x = indexRegister(m.xDigit)) eff += m.grValue[*x];
  return eff;
}

std::optional<MemoryWord> secondOperandWord(const MachineState& m, bool isRegisterForm) {
  if (isRegisterForm) {
    const auto r2 = registerIndex(m.xDigit);
    if (!r2) return std::nullopt;
    return m.grText[*r2];
  }
  if (!inMemoryImage(m.pr + 1)) return std::nullopt;
  const std::int64_t eff = effectiveAddress(m);
  if (!inMemoryImage(eff)) return std::nullopt;
  return m.memory.memText[eff];
}

void ld2(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r) return;
  const auto word = secondOperandWord(m, /*isRegisterForm=*/false);
  if (!word) return;
  setRegisterWord(m, *r, *word);
  m.accum = m.grValue[*r];
  frsub(m, m.accum);
}

void ld1(MachineState& m) {
  const auto r1 = registerIndex(m.rDigit);
  const auto r2 = registerIndex(m.xDigit);
  if (!r1 || !r2) return;
  setRegisterWord(m, *r1, m.grText[*r2]);
  m.accum = m.grValue[*r1];
  frsub(m, m.accum);
}

void st2(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r || !inMemoryImage(m.pr + 1)) return;
  const std::int64_t eff = effectiveAddress(m);
  if (!inMemoryImage(eff)) return;
  m.memory.memText[eff] = m.grText[*r];
  m.memory.memValue[eff] = m.grValue[*r];
  m.memoryChanged = true;  // the next history row takes a fresh copy
}

void lad2(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r || !inMemoryImage(m.pr + 1)) return;
  const MemoryWord& adrWord = m.memory.memText[m.pr + 1];
  if (!indexRegister(m.xDigit)) {
    setRegisterWord(m, *r, adrWord);
    return;
  }
  setRegisterNumber(m, *r, effectiveAddress(m));
}

}  // namespace casl2wb
