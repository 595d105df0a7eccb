#include "assembler/line_fields.h"

#include <algorithm>

#include "base/display_width.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

}  // namespace

// No operand part is made before one is written: a check makes a row for
// every line it may read, most of which stay blank.
LineFields::LineFields() {
  fields.fill(blank);
  field(Column::Comment).clear();
}

const Text& LineFields::operand(int k) const {
  const auto at = static_cast<std::size_t>(k);
  return at < operands.size() ? operands[at] : blank;
}

// The first three parts are made together, so that references to them stay
// valid when another of them is written; further parts are made when written.
Text& LineFields::operand(int k) {
  const auto at = static_cast<std::size_t>(k);
  if (at >= operands.size()) {
    const std::size_t size = std::max<std::size_t>(at + 1, 3);
    operands.resize(size, blank);
    operandSpans.resize(size);
  }
  return operands[at];
}

std::optional<TextSpan>& LineFields::operandSpan(int k) {
  operand(k);
  return operandSpans[static_cast<std::size_t>(k)];
}

std::optional<TextSpan> LineFields::operandSpan(int k) const {
  const auto at = static_cast<std::size_t>(k);
  return at < operandSpans.size() ? operandSpans[at] : std::nullopt;
}

std::optional<TextSpan> LineFields::spanOf(LineField field) const {
  switch (field.kind) {
    case LineField::Kind::None:
      break;
    case LineField::Kind::Column:
      return fieldSpan(field.column);
    case LineField::Kind::Operand:
      return operandSpan(field.operandPart);
    case LineField::Kind::PastLineLimit:
      if (text.size() > maxLineLength) {
        return TextSpan{maxLineLength, text.size() - maxLineLength};
      }
      break;
  }
  return std::nullopt;
}

const Text& LineFields::textOf(LineField field) const {
  static const Text none;
  switch (field.kind) {
    case LineField::Kind::Column:
      return this->field(field.column);
    case LineField::Kind::Operand:
      return operand(field.operandPart);
    case LineField::Kind::None:
    case LineField::Kind::PastLineLimit:
      break;
  }
  return none;
}

int LineFields::displayColumnOf(LineField field) const {
  const std::optional<TextSpan> span = spanOf(field);
  if (!span) return 1;
  return static_cast<int>(displayWidthWithTabs(TextView(text).substr(0, span->start))) + 1;
}

}  // namespace casl2wb
