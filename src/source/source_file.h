// Source files on disk: decoding their bytes, cutting them into lines, and
// writing texts back with CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "source/text.h"

namespace casl2wb {

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) is
// decoded as UTF-8 with one leading byte-order mark dropped; anything else is
// decoded as CP932, where every byte that cannot be decoded becomes U+FFFD.
// NUL bytes are ordinary characters.
Text decodeSourceBytes(std::string_view bytes);

// Cuts a text into lines at CR LF, LF or a lone CR. A last line without a line
// end is still a line; a text ending in a line end has no empty line after it.
std::vector<Text> splitSourceLines(TextView text);

struct SourceReadResult {
  bool ok = false;
  std::vector<Text> lines;
  // The system's error text when the file could not be read.
  std::string error;
};

// Reads a whole source file and returns its lines without line ends.
// Directories and files larger than maxSourceFileBytes cannot be read.
SourceReadResult readSourceFile(const std::string& path);

inline constexpr std::size_t maxSourceFileBytes = 16 * 1024 * 1024;

struct FileWriteResult {
  bool ok = false;
  // The system's error text when the file could not be written.
  std::string error;
};

// Replaces the file with the UTF-8 text, every line end (CR LF, LF or a lone
// CR) written as CR LF. Nothing else is added.
FileWriteResult writeTextFile(const std::string& path, std::string_view utf8Text);

}  // namespace casl2wb
