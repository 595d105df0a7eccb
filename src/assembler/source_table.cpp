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
