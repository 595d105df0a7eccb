// The per-line tables of the checked program: the text columns and operand
// parts each line was cut into, its address, and the marks the check sets.
// The check, the label table, the address assignment and the translation
// read and write them; the listings and the trace text show them.
#pragma once

#include <cstdint>
#include <vector>

#include "assembler/line_fields.h"
#include "base/text.h"

namespace casl2wb {

// The address of a line: none yet (a row no check reached, shown as
// nothing), none at all (a line that occupies no memory, shown as one
// blank), or the four hex digits of its location.
class LineAddress {
 public:
  static LineAddress unassigned() { return LineAddress(State::Unassigned, 0); }
  static LineAddress none() { return LineAddress(State::None, 0); }
  static LineAddress at(std::uint16_t value) { return LineAddress(State::At, value); }

  bool isNone() const { return state_ == State::None; }
  bool hasValue() const { return state_ == State::At; }
  // The address; 0 when the line has none.
  std::uint16_t value() const { return value_; }
  // "", " " or the four hex digits.
  Text text() const;

 private:
  enum class State { Unassigned, None, At };
  LineAddress(State state, std::uint16_t value) : state_(state), value_(value) {}
  State state_;
  std::uint16_t value_;
};

// A line as the check cut it, with what the check adds to it.
struct SourceLine : LineFields {
  LineAddress address = LineAddress::unassigned();
  // The location counter of the line, not cut to four hex digits like its
  // address, so that words past the memory are known to be past it.
  std::int64_t location = 0;
  bool firstOperandIsLabel = false;
  bool secondOperandIsLabel = false;
  // The label the label table searches (set after the last line).
  Text label = U" ";
};

class SourceTable {
 public:
  static constexpr int maxLines = 1013;  // lines 1 to 1013; row 0 stays blank

  SourceTable();

  // Line n, 0 to maxLines + 1 (the rows around the program print as blank lines).
  SourceLine& line(int n) { return rows_.at(static_cast<std::size_t>(n)); }
  const SourceLine& line(int n) const { return rows_.at(static_cast<std::size_t>(n)); }

  // The lines the passes after the last line look at: the first line without
  // an operation and an extra field ends the program.
  int lineCount = 0;
  // First address after the program (the location counter after the last line).
  std::int64_t programEnd = 0;

 private:
  std::vector<SourceLine> rows_;
};

}  // namespace casl2wb
