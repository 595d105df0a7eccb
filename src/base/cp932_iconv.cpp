// CP932 through the C library's converter: how the desktop and the text
// front end decode and encode characters.
#include <iconv.h>

#include <cerrno>

#include "base/cp932.h"

namespace casl2wb {
namespace {

constexpr char32_t replacementCharacter = U'\uFFFD';
constexpr std::uint16_t questionMark = 0x3F;

// Appends the code points held in `bytes` as UTF-32LE.
void appendUtf32Le(Text& text, const char* bytes, std::size_t size) {
  for (std::size_t i = 0; i + 4 <= size; i += 4) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes + i);
    text.push_back(static_cast<char32_t>(b[0]) | static_cast<char32_t>(b[1]) << 8 |
                   static_cast<char32_t>(b[2]) << 16 | static_cast<char32_t>(b[3]) << 24);
  }
}

// Used only when the system has no CP932 converter: ASCII stays, the rest is
// unreadable.
Text decodeAsciiOnly(std::string_view bytes) {
  Text text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text.push_back(byte < 0x80 ? byte : replacementCharacter);
  }
  return text;
}

}  // namespace

Text decodeCp932(std::string_view bytes) {
  iconv_t converter = iconv_open("UTF-32LE", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return decodeAsciiOnly(bytes);

  Text text;
  text.reserve(bytes.size());
  // A CP932 character is at most two bytes and never yields more than one
  // code point, so this buffer always has room for at least one of them.
  char buffer[16 * 1024];
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    appendUtf32Le(text, buffer, sizeof buffer - outLeft);
    if (result != static_cast<std::size_t>(-1)) break;
    if (error == E2BIG && out != buffer) continue;
    // EILSEQ or EINVAL (a lead byte cut off at the end): the byte at the
    // stopping point cannot be decoded; mark it and go on after it.
    text.push_back(replacementCharacter);
    ++in;
    --inLeft;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(converter);
  return text;
}

std::uint16_t cp932Code(char32_t c) {
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

}  // namespace casl2wb
