#include "instructions/arithmetic.h"

#include <cstdint>
#include <optional>

#include "instructions/flags.h"
#include "instructions/load_store.h"
#include "instructions/word_arithmetic.h"

namespace casl2wb {

namespace {

enum class Reading { Signed, Unsigned };
enum class Sign { Add, Subtract };
constexpr bool addressForm = false;
constexpr bool registerForm = true;

std::int64_t numberOf(const MemoryWord& word, Reading reading) {
  return reading == Reading::Signed ? signedValue(word) : unsignedValue(word);
}

void addOrSubtract(MachineState& m, bool isRegisterForm, Reading reading, Sign sign) {
  const auto r = registerIndex(m.rDigit);
  if (!r) return;
  const auto b = secondOperandWord(m, isRegisterForm);
  if (!b) return;
  const std::int64_t a = numberOf(m.grText[*r], reading);
  const std::int64_t operandValue = numberOf(*b, reading);
  const std::int64_t t = sign == Sign::Add ? a + operandValue : a - operandValue;
  setRegisterNumber(m, *r, t);
  m.accum = t;
  frsub(m, t);
}

}  // namespace

void adda2(MachineState& m) { addOrSubtract(m, addressForm, Reading::Signed, Sign::Add); }
void SUBA2(MachineState& m) { addOrSubtract(m, addressForm, Reading::Signed, Sign::Subtract); }
void addl2(MachineState& m) { addOrSubtract(m, addressForm, Reading::Unsigned, Sign::Add); }
void subl2(MachineState& m) { addOrSubtract(m, addressForm, Reading::Unsigned, Sign::Subtract); }
void adda1(MachineState& m) { addOrSubtract(m, registerForm, Reading::Signed, Sign::Add); }
void suba1(MachineState& m) { addOrSubtract(m, registerForm, Reading::Signed, Sign::Subtract); }
void addl1(MachineState& m) { addOrSubtract(m, registerForm, Reading::Unsigned, Sign::Add); }
void subl1(MachineState& m) { addOrSubtract(m, registerForm, Reading::Unsigned, Sign::Subtract); }

}  // namespace casl2wb
