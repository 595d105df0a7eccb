// Character-based text helpers for source lines.
//
// Source lines are held as sequences of Unicode code points so that every
// position, length and slice counts characters, not bytes: a double-width
// character is one character, as the 72-character rule and the splitter
// require.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

namespace casl2wb {

using Text = std::u32string;
using TextView = std::u32string_view;

inline bool contains(TextView text, TextView needle) { return text.find(needle) != TextView::npos; }
bool startsWith(TextView text, TextView prefix);
bool endsWith(TextView text, TextView suffix);
// True when `text` equals one of `names`.
inline bool isOneOf(TextView text, std::initializer_list<TextView> names) {
  return std::find(names.begin(), names.end(), text) != names.end();
}
// True when the text holds an upper-case letter A-Z.
inline bool hasCapitalLetter(TextView text) {
  return std::any_of(text.begin(), text.end(), [](char32_t c) { return c >= U'A' && c <= U'Z'; });
}
// Removes one trailing space, when there is one.
void dropTrailingSpace(Text& text);

// Conversions between code points and UTF-8. Invalid UTF-8 input decodes
// each bad byte as U+FFFD; code points that cannot be encoded become U+FFFD.
std::string toUtf8(TextView text);
// The same appended to `out`, for texts made of several pieces.
void appendUtf8(std::string& out, TextView text);
Text fromUtf8(std::string_view utf8);
// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

}  // namespace casl2wb
