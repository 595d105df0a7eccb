// A source line cut into its fields: the texts of its columns and operand
// parts as the source table keeps them, and where each stands in the line,
// so that whoever shows a field (the colours of the editor, the columns of
// the errors) shows the field the check read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "assembler/line_operation.h"
#include "base/text.h"

namespace casl2wb {

// Lines longer than this are reported (and still processed).
inline constexpr std::size_t maxLineLength = 72;

// The text columns of a line.
enum class Column {
  Reserved,  // never filled by the splitter
  Label,
  Operation,
  OperandField,  // the operands as written, always ending in a space
  ExtraField,    // the token after the operands, or a comment
  Comment,       // a comment after an extra token
};
inline constexpr int columnCount = 6;

// The operand parts of a line, by position.
inline constexpr int firstOperand = 0;
inline constexpr int secondOperand = 1;
inline constexpr int thirdOperand = 2;

// A run of a line's characters: where its first character stands and how
// many it holds, both counted in characters (code points) from 0.
struct TextSpan {
  std::size_t start = 0;
  std::size_t length = 0;

  std::size_t end() const { return start + length; }
  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The part of its line that a message is about: a column, an operand part
// (numbered as the row numbers it), the characters past the line limit, or
// nothing in particular.
struct LineField {
  enum class Kind { None, Column, Operand, PastLineLimit };

  static constexpr LineField of(Column column) { return {Kind::Column, column, 0}; }
  static constexpr LineField operand(int k) { return {Kind::Operand, Column::Reserved, k}; }
  static constexpr LineField pastLineLimit() { return {Kind::PastLineLimit, Column::Reserved, 0}; }

  Kind kind = Kind::None;
  Column column = Column::Reserved;
  int operandPart = 0;

  friend bool operator==(const LineField&, const LineField&) = default;
};

struct LineFields {
  // The columns blank except the comment, which is empty; every operand part
  // blank; nothing stands anywhere.
  LineFields();

  Text& field(Column column) { return fields[static_cast<std::size_t>(column)]; }
  const Text& field(Column column) const { return fields[static_cast<std::size_t>(column)]; }
  // Operand part k; a part past the ones split is a blank.
  const Text& operand(int k) const;
  Text& operand(int k);

  // Where a column or an operand part stands in the line: nothing for a
  // blank, nor for a part the cut made up (the space that ends the operand
  // field) or took from elsewhere in the line; an empty operand part (as
  // between two commas) stands where it was cut, holding no character.
  std::optional<TextSpan>& fieldSpan(Column column) {
    return fieldSpans[static_cast<std::size_t>(column)];
  }
  std::optional<TextSpan> fieldSpan(Column column) const {
    return fieldSpans[static_cast<std::size_t>(column)];
  }
  std::optional<TextSpan>& operandSpan(int k);
  std::optional<TextSpan> operandSpan(int k) const;
  std::optional<TextSpan> spanOf(LineField field) const;
  // The text of a column or an operand part; empty for the other fields.
  const Text& textOf(LineField field) const;

  // The display column of the field: 1 for the first character, a
  // full-width character counting two, a tab reaching the next multiple of
  // eight; 1 as well for a field that stands nowhere in the line.
  int displayColumnOf(LineField field) const;

  Text text;  // the line as read
  std::array<Text, columnCount> fields;
  std::vector<Text> operands;  // the parts written so far; the others are blanks
  std::array<std::optional<TextSpan>, columnCount> fieldSpans;
  std::vector<std::optional<TextSpan>> operandSpans;  // in step with `operands`
  // A DC list without quotes: the number of its constants.
  std::optional<std::int64_t> dcConstantCount;
  // What the operation column names, looked up when the line is cut.
  LineOperation operation;
};

}  // namespace casl2wb
