#include "base/cp932.h"

namespace casl2wb {

std::uint16_t Cp932Encoder::code(char32_t c) {
  if (c < 0x80) return static_cast<std::uint16_t>(c);
  const auto cached = cache_.find(c);
  if (cached != cache_.end()) return cached->second;
  const std::uint16_t value = cp932Code(c);
  cache_.emplace(c, value);
  return value;
}

}  // namespace casl2wb
