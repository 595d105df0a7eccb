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

}  // namespace casl2wb
