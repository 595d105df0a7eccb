#include "source/source_table.h"

#include <algorithm>

namespace casl2wb {

namespace {
const Text blankText = U" ";
}

SourceTable::SourceTable() : rows_(maxLines + 1) { resetRows(); }

void SourceTable::resetRows(int lastRow) {
  const int last = std::min(std::max(lastRow, lastUsedRow_), maxLines);
  lastUsedRow_ = std::min(lastRow, maxLines);
  for (int n = 0; n <= last; ++n) {
    Row& row = rows_[n];
    for (int c = 0; c <= colExtraField; ++c) row.fields[c] = blankText;
    row.fields[colCommentField].clear();
    row.parts.assign(operandPartSlots + 1, blankText);
    row.address.clear();
    row.location = 0;
    row.op1IsLabel = 0;
    row.op2IsLabel = 0;
    row.twoWordFlag = 0;
    row.label = blankText;
  }
}

Text& SourceTable::operandParts(int n, int k) {
  std::vector<Text>& parts = rows_.at(n).parts;
  if (k >= static_cast<int>(parts.size())) parts.resize(k + 1, blankText);
  return parts.at(k);
}

const Text& SourceTable::operandParts(int n, int k) const {
  const std::vector<Text>& parts = rows_.at(n).parts;
  return k < static_cast<int>(parts.size()) ? parts.at(k) : blankText;
}

std::string lineListItem(const SourceTable& table, int n) {
  Text item = table.lineAddress(n);
  for (int c = colReserved; c <= colCommentField; ++c) {
    item += U'|';
    item += table.lineFields(n, c);
  }
  return toUtf8(item);
}

}  // namespace casl2wb
