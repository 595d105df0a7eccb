// Source files on disk: decoding their bytes, cutting them into lines, and
// writing texts back with CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace casl2wb {

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) is
// decoded as UTF-8 with one leading byte-order mark dropped; anything else is
// decoded as CP932, where every byte that cannot be decoded becomes U+FFFD.
// NUL bytes are ordinary characters.
Text decodeSourceBytes(std::string_view bytes);

// Cuts a text into lines at CR LF, LF or a lone CR. A last line without a line
// end is still a line; a text ending in a line end has no empty line after it.
std::vector<Text> splitSourceLines(TextView text);

// What kept a file from being read.
enum class ReadProblem {
  None,
  System,          // the system's error: not found, no permission, ...
  Folder,          // the name is that of a folder
  NotRegularFile,  // a FIFO, device or socket: never opened for reading
  TooLarge,        // larger than maxSourceFileBytes
};

struct SourceReadResult {
  bool ok = false;
  std::vector<Text> lines;
  ReadProblem problem = ReadProblem::None;
  // The reason in the system's words ("Is a directory", "File too large", ...).
  std::string error;
};

// The largest source file that is read: far more than the 1013 lines a check
// looks at, and little enough that its check, translation and listing stay
// quick. The editor checks a text only up to this many characters (a line
// end counting as one), so whatever it loaded it can check.
inline constexpr std::size_t maxSourceFileBytes = 1024 * 1024;

// Reads a whole source file and returns its lines without line ends. Only
// regular files are read, and opening never waits (a FIFO is refused at once).
SourceReadResult readSourceFile(const std::string& path);

// The lines of what the descriptor holds from its current position, read up
// to its end; at most `limit` bytes.
SourceReadResult readSourceDescriptor(int fd, std::size_t limit);

struct FileWriteResult {
  bool ok = false;
  // The system's error text when the file could not be written.
  std::string error;
};

// The text with every line end (CR LF, LF or a lone CR) written as CR LF.
std::string withCrLfLineEnds(std::string_view utf8Text);

// Replaces the file with the UTF-8 text, every line end written as CR LF,
// through a temporary file (FileReplacement): on failure the old file stays.
// Nothing else is added.
FileWriteResult writeTextFile(const std::string& path, std::string_view utf8Text);

// What a save of the editor text writes: the text with one line end added
// when it has none at its end, every line end as CR LF.
std::string savedFileText(std::string_view utf8Text);

// A save of the editor text: writeTextFile of savedFileText.
FileWriteResult saveTextFile(const std::string& path, std::string_view utf8Text);

}  // namespace casl2wb
