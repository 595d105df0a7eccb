// Writes the CP932 conversion tables of the browser edition, which has no
// converter of its own, from the C library's converter, so that the browser
// decodes and encodes exactly as the desktop does:
//   cp932_table OUTPUT_FOLDER
// makes cp932_decodings.inc ({code, code point} for every byte and byte pair
// that decodes to one character, by code) and cp932_encodings.inc ({code
// point, code} for every character of the Basic Multilingual Plane that has a
// code, by code point).
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace {

// The one code point `bytes` decode to, all of them used; nothing otherwise.
std::optional<char32_t> decoded(iconv_t converter, std::string bytes) {
  char output[16];
  char* in = bytes.data();
  char* out = output;
  std::size_t inLeft = bytes.size();
  std::size_t outLeft = sizeof output;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0 || sizeof output - outLeft != 4)
    return std::nullopt;
  const auto* b = reinterpret_cast<const unsigned char*>(output);
  return static_cast<char32_t>(b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24);
}

// The code of one character (one byte, or two as one number); nothing when
// it has none.
std::optional<std::uint16_t> encoded(iconv_t converter, char32_t c) {
  char input[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                   static_cast<char>((c >> 16) & 0xFF), static_cast<char>((c >> 24) & 0xFF)};
  char output[8];
  char* in = input;
  char* out = output;
  std::size_t inLeft = sizeof input;
  std::size_t outLeft = sizeof output;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  const std::size_t length = sizeof output - outLeft;
  if (result == static_cast<std::size_t>(-1) || length == 0 || length > 2) return std::nullopt;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(output[i]); };
  return static_cast<std::uint16_t>(length == 1 ? byte(0) : byte(0) << 8 | byte(1));
}

void writeRow(std::ofstream& out, unsigned first, unsigned second) {
  char row[32];
  std::snprintf(row, sizeof row, "{0x%04X, 0x%04X},\n", first, second);
  out << row;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp932_table OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  iconv_t decoder = iconv_open("UTF-32LE", "CP932");
  iconv_t encoder = iconv_open("CP932", "UTF-32LE");
  if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "cp932_table: the C library has no CP932 converter\n");
    return 1;
  }

  std::ofstream decodings(folder + "/cp932_decodings.inc");
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    std::string bytes;
    if (code > 0xFF) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    if (const auto c = decoded(decoder, bytes)) writeRow(decodings, code, *c);
  }
  std::ofstream encodings(folder + "/cp932_encodings.inc");
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    if (const auto code = encoded(encoder, c)) writeRow(encodings, c, *code);
  }
  iconv_close(decoder);
  iconv_close(encoder);
  decodings.close();
  encodings.close();
  if (!decodings || !encodings) {
    std::fprintf(stderr, "cp932_table: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
