#include "instructions/logical.h"

#include <cstdint>
#include <optional>
#include <string>

#include "instructions/flags.h"
#include "instructions/load_store.h"
#include "instructions/word_arithmetic.h"
#include "machine/machine_helpers.h"

namespace casl2wb {

namespace {

void logicalWithOperand(MachineState& m, bool isRegisterForm) {
  if (!registerIndex(m.rDigit)) return;
  const auto word = secondOperandWord(m, isRegisterForm);
  if (!word) return;
  m.operand = signedValue(*word);
  mm3log(m);
}

// False only for the register form of a compare whose r2 digit names no
// register: the loop could not form the operand, so nothing may change.
bool registerFormOperandNamed(const MachineState& m, const char* registerFormCode) {
  return codeAt(m, m.pr) != registerFormCode || registerIndex(m.xDigit).has_value();
}

}  // namespace

void acclogen(MachineState& m) { logicalWithOperand(m, /*isRegisterForm=*/false); }

void acclogen1(MachineState& m) { logicalWithOperand(m, /*isRegisterForm=*/true); }

void mm3log(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r) return;
  m.accum = m.grValue[*r];
  BitVector v{};
  acclog(m, v);
  setRegisterNumber(m, *r, m.accum);
  frb(m, v);
}

void acclog(MachineState& m, BitVector& v) {
  BitVector a{};
  BitVector b{};
  S102(m.accum, v);
  for (int k = 1; k <= 16; ++k) a[k] = v[k];
  S102(m.operand, v);
  for (int k = 1; k <= 16; ++k) b[k] = v[k];

  // Under any other code the vector keeps the operand's bits.
  const std::string code = codeAt(m, m.pr);
  if (code == "30" || code == "34") {
    for (int k = 1; k <= 16; ++k) v[k] = a[k] * b[k];
  } else if (code == "31" || code == "35") {
    for (int k = 1; k <= 16; ++k) {
      v[k] = a[k] + b[k];
      if (v[k] == 2) v[k] = 1;
    }
  } else if (code == "32" || code == "36") {
    for (int k = 1; k <= 16; ++k) {
      v[k] = a[k] + b[k];
      if (v[k] == 2) v[k] = 0;
    }
  }
  S210(m.accum, v);
}

std::int64_t cpaOperand(MachineState& m, bool isRegisterForm) {
  if (const auto word = secondOperandWord(m, isRegisterForm)) m.operand = signedValue(*word);
  return m.operand;
}

std::int64_t cplOperand(MachineState& m, bool isRegisterForm) {
  if (const auto word = secondOperandWord(m, isRegisterForm)) m.operand = unsignedValue(*word);
  return m.operand;
}

void mm3cp(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r || !registerFormOperandNamed(m, "44")) return;
  m.accum = m.grValue[*r];
  frcpa(m);
}

void mm3cpl(MachineState& m) {
  const auto r = registerIndex(m.rDigit);
  if (!r || !registerFormOperandNamed(m, "45")) return;
  m.accum = unsignedValue(m.grText[*r]);
  frcp(m);
}

}  // namespace casl2wb
