#include "source/address_assignment.h"

#include <algorithm>
#include <array>
#include <limits>

#include "source/address_text.h"
#include "source/registers.h"

namespace casl2wb {

namespace {

std::int64_t dcWordCount(const SourceTable& table, int n) {
  const Text& operand = table.lineFields(n, colOperandField);
  if (contains(operand, U"'") && !contains(operand, U"#")) {
    // The two quotes and the appended space are not counted.
    return static_cast<std::int64_t>(operand.size()) - 3;
  }
  if (!contains(operand, U",")) return 1;
  return table.dcConstantCount;
}

}  // namespace

std::int64_t dsWordCount(TextView operand) {
  constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
  std::size_t at = 0;
  bool negative = false;
  if (at < operand.size() && (operand[at] == U'+' || operand[at] == U'-')) {
    negative = operand[at] == U'-';
    ++at;
  }
  std::int64_t value = 0;
  for (; at < operand.size() && operand[at] >= U'0' && operand[at] <= U'9'; ++at) {
    value = std::min(limit, value * 10 + (operand[at] - U'0'));
  }
  return negative ? -value : value;
}

StatementSize statementSize(const SourceTable& table, int n) {
  const Text& op = table.lineFields(n, colOperation);
  StatementSize size;
  if (isOneOf(op, {U"START", U"END", U" "})) {
    size.occupies = false;
  } else if (op == U"DS") {
    size.words = dsWordCount(table.operandParts(n, 1));
    if (size.words < 0) {
      size.words = 0;
      size.badDsCount = true;
    }
  } else if (op == U"DC") {
    size.words = dcWordCount(table, n);
  } else if (isOneOf(op, {U"IN", U"OUT"})) {
    size.words = 3;
  } else if (op == U"RPUSH") {
    size.words = 15;
  } else if (op == U"RPOP") {
    size.words = 8;
  } else if (isRegisterMemoryOperation(op)) {
    size.twoWord = !isRegisterName(table.operandParts(n, 2));
    size.words = size.twoWord ? 2 : 1;
  } else if (isOneOf(op, {U"NOP", U"POP", U"RET", U"DMP"})) {
    size.words = 1;
  } else {
    size.words = 2;
    size.twoWord = true;
  }
  return size;
}

StatementSize assignAddress(SourceTable& table, int n, std::int64_t& locationCounter) {
  const StatementSize size = statementSize(table, n);
  if (!size.occupies) {
    table.lineAddress(n).assign(1, U' ');  // no address
    return size;
  }
  table.lineAddress(n) = fromUtf8(toAddressText(locationCounter));
  table.lineLocation(n) = locationCounter;
  table.twoWordFlag(n) = size.twoWord ? 1 : 0;
  locationCounter += size.words;
  return size;
}

}  // namespace casl2wb
