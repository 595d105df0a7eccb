#include "assembler/label_addresses.h"

namespace casl2wb {

LabelAddresses::LabelAddresses(const SourceTable& table)
    : table_(table), labels_(table, table.lineCount) {
  nextAddressedLine_.assign(static_cast<std::size_t>(table.lineCount) + 2, 0);
  for (int n = table.lineCount; n >= 1; --n) {
    nextAddressedLine_[static_cast<std::size_t>(n)] =
        !table.line(n).address.isNone() ? n : nextAddressedLine_[static_cast<std::size_t>(n) + 1];
  }
}

std::int64_t LabelAddresses::addressAtOrAfter(int line) const {
  const int addressed = nextAddressedLine_[static_cast<std::size_t>(line)];
  return addressed != 0 ? table_.line(addressed).address.value() : table_.programEnd;
}

std::int64_t LabelAddresses::addressOfLine(int labelled) const {
  const SourceLine& line = table_.line(labelled);
  if (line.address.isNone() && line.operation.is(OperationKind::Start) &&
      line.field(Column::OperandField) != U"  ") {
    const int entry = lineOf(line.operand(firstOperand));
    if (entry != -1) return addressAtOrAfter(entry);
  }
  return addressAtOrAfter(labelled);
}

std::optional<std::int64_t> LabelAddresses::addressOf(const Text& label) const {
  const int labelled = lineOf(label);
  if (labelled == -1) return std::nullopt;
  return addressOfLine(labelled);
}

}  // namespace casl2wb
