#include "assembler/source_table.h"

#include "comet2/word.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

}  // namespace

Text LineAddress::text() const {
  switch (state_) {
    case State::Unassigned:
      return Text();
    case State::None:
      return blank;
    case State::At:
      break;
  }
  return fromUtf8(hexText(value_));
}

// Columns blank except the comment, which is empty; every operand part blank.
// The first three parts are made at once, so that references to them stay
// valid when another one is written; further parts are made when written.
SourceLine::SourceLine() : operands(3, blank), label(blank) {
  fields.fill(blank);
  field(Column::Comment).clear();
}

const Text& SourceLine::operand(int k) const {
  const auto at = static_cast<std::size_t>(k);
  return at < operands.size() ? operands[at] : blank;
}

Text& SourceLine::operand(int k) {
  const auto at = static_cast<std::size_t>(k);
  if (at >= operands.size()) operands.resize(at + 1, blank);
  return operands[at];
}

SourceTable::SourceTable() : rows_(maxLines + 2) {}

std::string lineListItem(const SourceTable& table, int n) {
  const SourceLine& line = table.line(n);
  Text item = line.address.text();
  for (const Text& field : line.fields) {
    item += U'|';
    item += field;
  }
  return toUtf8(item);
}

}  // namespace casl2wb
