// Character codes of the single- and double-byte character set (CP932) that
// DC strings and character literals are stored in.
#pragma once

#include <cstdint>
#include <unordered_map>

namespace casl2wb {

class Cp932Encoder {
 public:
  // The code of a character: one byte, or a double-byte character's two
  // bytes as one number; '?' (003F) for a character CP932 lacks.
  std::uint16_t code(char32_t c);

 private:
  std::unordered_map<char32_t, std::uint16_t> cache_;
};

}  // namespace casl2wb
