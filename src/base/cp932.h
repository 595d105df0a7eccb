// The single- and double-byte character set (CP932) of source files, DC
// strings, character literals and the characters of IN and OUT.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "base/text.h"

namespace casl2wb {

// Decodes CP932 bytes; every byte that cannot be decoded becomes U+FFFD.
Text decodeCp932(std::string_view bytes);

// The code of a character, one byte or a double-byte character's two bytes as
// one number; '?' (003F) for a character CP932 lacks.
std::uint16_t cp932Code(char32_t c);

class Cp932Encoder {
 public:
  // The code of a character: one byte, or a double-byte character's two
  // bytes as one number; '?' (003F) for a character CP932 lacks.
  std::uint16_t code(char32_t c);

 private:
  std::unordered_map<char32_t, std::uint16_t> cache_;
};

}  // namespace casl2wb
