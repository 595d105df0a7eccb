// A program of standard CASL II as the standard check and translation hand
// it on: its source files, every line cut into fields, the errors found, the
// words from address 0 with the line each came from, the units with their
// labels, and where execution begins.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/text.h"

namespace casl2wb::standard {

// COMET II of standard CASL II has 65536 words.
inline constexpr std::int64_t memoryWords = 65536;

// A source file of the program: the name it is shown by and its lines.
struct SourceFile {
  std::string name;
  std::vector<Text> lines;
};

// Appends the words of a character's code (Cp932Encoder::code): one for a
// single-byte character, its two bytes for a double-byte one.
inline void appendCharacterWords(std::vector<std::uint16_t>& words, std::uint16_t code) {
  if (code > 0xFF) words.push_back(code >> 8);
  words.push_back(code & 0xFF);
}

// A line of a source file: the file's place in the program (from 0) and the
// line number (from 1).
struct SourcePlace {
  int file = 0;
  int line = 0;
  bool operator==(const SourcePlace&) const = default;
};

// A line as the check cut it: its fields as written, and the address and
// words of its statement (none for a comment or blank line, or after
// errors).
struct ListedLine {
  SourcePlace place;
  Text label;
  Text operation;
  Text operands;
  Text comment;
  std::optional<std::uint16_t> address;
  int wordCount = 0;
};

// A literal of a unit's pool: as written, and where its words were put,
// just before the END of its unit.
struct PooledLiteral {
  Text text;
  std::uint16_t address = 0;
  int wordCount = 0;
  SourcePlace end;  // the END line of its unit
};

// An error of the check, with the display column (from 1) of the part of its
// line that it is about; line 0 for one of a file as a whole (the last line
// is then named).
struct Diagnostic {
  SourcePlace place;
  int column = 1;
  Message message;
  std::vector<std::string> arguments;

  std::string text() const;       // with its banner
  std::string plainText() const;  // without
};

// A START ... END unit: its name (START's label), its words and its labels.
struct Unit {
  Text name;
  std::uint16_t start = 0;  // its first word
  std::uint16_t entry = 0;  // where execution begins when it is called or run
  std::int64_t end = 0;     // one past its last word (the literals included)
  std::map<Text, std::uint16_t> labels;
};

struct Program {
  std::vector<SourceFile> files;
  std::vector<ListedLine> lines;  // every line of every file, in order
  std::vector<Diagnostic> diagnostics;
  std::vector<Unit> units;
  std::vector<PooledLiteral> literals;
  // The words from address 0, and the line each came from.
  std::vector<std::uint16_t> words;
  std::vector<SourcePlace> origins;
  // Where a run begins: the entry of the first unit.
  std::uint16_t entry = 0;

  bool runnable() const { return diagnostics.empty() && !units.empty(); }
  // The address a label stands for: a label of the first unit, or any
  // unit's name.
  std::optional<std::uint16_t> addressOf(TextView label) const;
  // The line the word at `address` came from (a macro's every instruction
  // is its line's), if the program has a word there.
  std::optional<SourcePlace> lineAt(std::int64_t address) const;
};

}  // namespace casl2wb::standard
