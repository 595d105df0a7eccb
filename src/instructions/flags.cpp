#include "instructions/flags.h"

#include <string>

#include "machine/machine_helpers.h"

namespace casl2wb {

namespace {

constexpr std::size_t ofFlag = 0;
constexpr std::size_t sfFlag = 1;
constexpr std::size_t zfFlag = 2;

bool anySet(const BitVector& v, int first, int last) {
  for (int k = first; k <= last; ++k) {
    if (v[k] != 0) return true;
  }
  return false;
}

}  // namespace

void frsub(MachineState& m, std::int64_t r) {
  m.frText = "000";
  BitVector v{};
  S102(r, v);
  if (v[16] == 1) {
    m.frText[sfFlag] = '1';
  } else if (!anySet(v, 1, 16)) {
    m.frText[zfFlag] = '1';
  }
  const std::string mnemonic = comd(m, m.pr);
  if (mnemonic.empty()) return;
  const char rule = mnemonic.back();
  if (rule == 'A' && (r < -32768 || r > 32767)) m.frText[ofFlag] = '1';
  if (rule == 'L' && (r < 0 || r > 65535)) m.frText[ofFlag] = '1';
}

void frb(MachineState& m, const BitVector& v) {
  if (v[16] == 1) {
    m.frText = "010";
  } else if (anySet(v, 1, 15)) {
    m.frText = "000";
  } else {
    m.frText = "001";
  }
}

void frcp(MachineState& m) {
  if (m.accum < m.operand) {
    m.frText = "010";
  } else if (m.accum == m.operand) {
    m.frText = "001";
  } else {
    m.frText = "000";
  }
}

void frcpa(MachineState& m) {
  m.accum = wordSignedValue(m, m.accum);
  m.operand = wordSignedValue(m, m.operand);
  frcp(m);
}

void frsb(MachineState& m, const BitVector& v, char out) {
  m.frText = "000";
  if (v[16] == 1) {
    m.frText[sfFlag] = '1';
  } else {
    const std::string code = codeAt(m, m.pr);
    if ((code == "50" || code == "51") && !anySet(v, 1, 15)) m.frText[zfFlag] = '1';
    if ((code == "52" || code == "53") && !anySet(v, 1, 16)) m.frText[zfFlag] = '1';
  }
  m.frText[ofFlag] = out == '1' ? '1' : '0';
}

}  // namespace casl2wb
