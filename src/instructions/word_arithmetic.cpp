#include "instructions/word_arithmetic.h"

#include "source/address_text.h"

namespace casl2wb {

MemoryWord wordOf(std::int64_t n) { return MemoryWord::hex(static_cast<std::uint16_t>(n)); }

std::string hex4(MachineState& m, std::int64_t n) {
  m.hexWork = wordOf(n).text();
  return m.hexWork;
}

void zerof(std::string& text) {
  if (text.size() >= 1 && text.size() <= 3 && text != " ") {
    text.insert(0, 4 - text.size(), '0');
  }
}

void keta4(std::string& text) {
  if (text.size() > 4) text.erase(0, text.size() - 4);
}

std::int32_t signedValue(const MemoryWord& word) { return word.signedValue(); }

std::int32_t unsignedValue(const MemoryWord& word) {
  return word.kind() == MemoryWord::Kind::Hex ? word.bits() : 0;
}

}  // namespace casl2wb
