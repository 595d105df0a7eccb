#include "instructions/bit_vector.h"

#include <string_view>

#include "instructions/word_arithmetic.h"

namespace casl2wb {

namespace {

// Division by two rounded towards minus infinity, so that a negative number
// yields its two's-complement bits.
std::int64_t floorHalf(std::int64_t n) { return n >= 0 ? n / 2 : -((-(n + 1)) / 2) - 1; }

// Fills v[1..16] from n, leaving in n what remains above bit 15.
void splitBits(std::int64_t& n, BitVector& v) {
  for (int k = 1; k <= 16; ++k) {
    const std::int64_t q = floorHalf(n);
    v[k] = static_cast<int>(n - 2 * q);
    n = q;
  }
}

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;  // blanks read as 0
}

// A word text read as a 16-bit two's-complement number; a shorter text reads
// as if padded with zeros on the left, a longer one by its last four digits.
std::int64_t signedValueOfText(std::string_view text) {
  if (text.size() > 4) text.remove_prefix(text.size() - 4);
  std::int64_t bits = 0;
  for (char c : text) bits = bits * 16 + hexDigitValue(c);
  return bits >= 0x8000 ? bits - 0x10000 : bits;
}

}  // namespace

void S102(std::int64_t n, BitVector& v) { splitBits(n, v); }

void S210(std::int64_t& n, const BitVector& v) {
  n = 0;
  for (int k = 1; k <= 16; ++k) n += static_cast<std::int64_t>(v[k]) << (k - 1);
}

void s162(MachineState& m, std::int64_t& n, BitVector& v) {
  n = signedValueOfText(m.hexWork);
  S102(n, v);
}

void comp(MachineState& m, std::int64_t& n, BitVector& v) {
  s162(m, n, v);
  for (int k = 1; k <= 16; ++k) v[k] = v[k] == 1 ? 0 : 1;
  S210(n, v);
  n = n + 1;
}

void minasu(MachineState& m, std::int64_t& n, BitVector& v) {
  comp(m, n, v);
  n = -n;
}

std::int64_t wordSignedValue(MachineState& m, std::int64_t n) {
  BitVector v{};
  hex4(m, n);
  std::int64_t value = 0;
  s162(m, value, v);
  if (v[16] == 1) minasu(m, value, v);
  return value;
}

}  // namespace casl2wb
