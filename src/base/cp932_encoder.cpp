#include "base/cp932.h"

#include <iconv.h>

namespace casl2wb {

namespace {

constexpr std::uint16_t questionMark = 0x3F;

std::uint16_t convert(char32_t c) {
  iconv_t converter = iconv_open("CP932", "UTF-32LE");
  if (converter == reinterpret_cast<iconv_t>(-1)) return questionMark;
  char input[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                   static_cast<char>((c >> 16) & 0xFF), static_cast<char>((c >> 24) & 0xFF)};
  char output[8];
  char* in = input;
  char* out = output;
  std::size_t inLeft = sizeof input;
  std::size_t outLeft = sizeof output;
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  const std::size_t length = sizeof output - outLeft;
  if (result == static_cast<std::size_t>(-1) || length == 0 || length > 2) return questionMark;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(output[i]); };
  return length == 1 ? byte(0) : static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
}

}  // namespace

std::uint16_t Cp932Encoder::code(char32_t c) {
  if (c < 0x80) return static_cast<std::uint16_t>(c);
  const auto cached = cache_.find(c);
  if (cached != cache_.end()) return cached->second;
  const std::uint16_t value = convert(c);
  cache_.emplace(c, value);
  return value;
}

}  // namespace casl2wb
