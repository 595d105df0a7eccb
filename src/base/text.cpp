#include "base/text.h"

#include <algorithm>

namespace casl2wb {

bool startsWith(TextView text, TextView prefix) { return text.starts_with(prefix); }

bool endsWith(TextView text, TextView suffix) { return text.ends_with(suffix); }

void dropTrailingSpace(Text& text) {
  if (!text.empty() && text.back() == U' ') text.pop_back();
}

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = replacementCharacter;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `at`; returns its length, or 0 when the
// bytes there are not a well-formed sequence.
std::size_t decodeSequence(std::string_view s, std::size_t at, char32_t& c) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    c = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (at + length > s.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string toUtf8(TextView text) {
  std::string out;
  appendUtf8(out, text);
  return out;
}

void appendUtf8(std::string& out, TextView text) {
  out.reserve(out.size() + text.size());
  for (char32_t c : text) appendUtf8(out, c);
}

Text fromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t c = 0;
    const std::size_t length = decodeSequence(utf8, at, c);
    if (length == 0) {
      out += replacementCharacter;
      ++at;
    } else {
      out += c;
      at += length;
    }
  }
  return out;
}

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    char32_t c = 0;
    const std::size_t length = decodeSequence(bytes, at, c);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

}  // namespace casl2wb
