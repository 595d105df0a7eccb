// Decoding the bytes of a source file: strict UTF-8 first, CP932 otherwise.
#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <utility>

#include "source/source_file.h"

namespace casl2wb {
namespace {

constexpr char32_t replacementCharacter = U'\uFFFD';
constexpr char32_t byteOrderMark = U'\uFEFF';

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes strict UTF-8, or gives nothing when the bytes are not valid UTF-8.
std::optional<Text> decodeStrictUtf8(std::string_view bytes) {
  Text text;
  text.reserve(bytes.size());
  std::size_t i = 0;
  const std::size_t size = bytes.size();
  while (i < size) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      text.push_back(lead);
      ++i;
      continue;
    }
    std::size_t length;
    char32_t code;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
      return std::nullopt;
    }
    if (size - i < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(bytes[i + k]);
      if (!isContinuation(byte)) return std::nullopt;
      code = (code << 6) | (byte & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return std::nullopt;
    }
    text.push_back(code);
    i += length;
  }
  if (!text.empty() && text.front() == byteOrderMark) text.erase(0, 1);
  return text;
}

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

}  // namespace

Text decodeSourceBytes(std::string_view bytes) {
  if (auto utf8 = decodeStrictUtf8(bytes)) return std::move(*utf8);
  return decodeCp932(bytes);
}

}  // namespace casl2wb
