// Writes the CP932 conversion tables of the browser edition, which has no
// converter of its own, from the desktop's conversion through the C
// library's converter (cp932_iconv.cpp), so that the browser decodes and
// encodes exactly as the desktop does:
//   cp932_table OUTPUT_FOLDER
// makes cp932_decodings.inc ({code, code point} for every byte and byte pair
// that decodes to one character, by code) and cp932_encodings.inc ({code
// point, code} for every character of the Basic Multilingual Plane that has a
// code, by code point).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "base/cp932.h"

namespace {

constexpr std::uint16_t questionMark = 0x3F;

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
  if (casl2wb::decodeCp932("\x82\xA0") != U"\u3042") {
    std::fprintf(stderr, "cp932_table: the C library has no CP932 converter\n");
    return 1;
  }

  // A byte or a pair that decodes to one character (an undecodable byte
  // becomes U+FFFD, which no code stands for).
  std::ofstream decodings(folder + "/cp932_decodings.inc");
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    std::string bytes;
    if (code > 0xFF) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    const casl2wb::Text text = casl2wb::decodeCp932(bytes);
    if (text.size() == 1 && text[0] != U'\uFFFD') writeRow(decodings, code, text[0]);
  }
  // A character without a code is '?', which the tables give for any
  // character they lack.
  std::ofstream encodings(folder + "/cp932_encodings.inc");
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    if (const std::uint16_t code = casl2wb::cp932Code(c); code != questionMark) {
      writeRow(encodings, c, code);
    }
  }
  decodings.close();
  encodings.close();
  if (!decodings || !encodings) {
    std::fprintf(stderr, "cp932_table: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
