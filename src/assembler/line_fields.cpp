#include "assembler/line_fields.h"

#include "base/display_width.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

}  // namespace

// The first three parts are made at once, so that references to them stay
// valid when another one is written; further parts are made when written.
LineFields::LineFields() : operands(3, blank), operandSpans(3) {
  fields.fill(blank);
  field(Column::Comment).clear();
}

const Text& LineFields::operand(int k) const {
  const auto at = static_cast<std::size_t>(k);
  return at < operands.size() ? operands[at] : blank;
}

Text& LineFields::operand(int k) {
  const auto at = static_cast<std::size_t>(k);
  if (at >= operands.size()) {
    operands.resize(at + 1, blank);
    operandSpans.resize(at + 1);
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
