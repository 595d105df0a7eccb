#include "cli/report_text.h"

#include <cstdio>

#include "base/source_file.h"
#include "base/text.h"

namespace casl2wb::cli {

namespace {

bool isInvisible(char32_t c) {
  return (c >= 0x80 && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF;
}

}  // namespace

std::string escapedText(std::string_view utf8) {
  std::string shown;
  shown.reserve(utf8.size());
  for (char32_t c : fromUtf8(utf8)) {
    char code[11];
    if (c == U'\\' || c == U'"') {
      shown += '\\';
      shown += static_cast<char>(c);
    } else if (c == U'\t') {
      shown += "\\t";
    } else if (c == 0x1B) {
      shown += "\\e";
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
      shown += code;
    } else if (isInvisible(c)) {
      std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
      shown += code;
    } else {
      appendUtf8(shown, TextView(&c, 1));
    }
  }
  return shown;
}

std::string shownFileName(const std::string& path) {
  return escapedText(toUtf8(decodeSourceBytes(path)));
}

}  // namespace casl2wb::cli
