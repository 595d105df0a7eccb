#include "base/display_width.h"

namespace casl2wb {

namespace {

bool isWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::size_t displayWidth(std::string_view utf8) { return displayWidth(fromUtf8(utf8)); }

std::size_t displayWidth(TextView text) {
  std::size_t width = 0;
  for (char32_t c : text) width += isWide(c) ? 2 : 1;
  return width;
}

std::size_t displayWidthWithTabs(TextView text, std::size_t tabStop) {
  std::size_t width = 0;
  for (char32_t c : text) {
    width = c == U'\t' ? (width / tabStop + 1) * tabStop : width + (isWide(c) ? 2 : 1);
  }
  return width;
}

}  // namespace casl2wb
