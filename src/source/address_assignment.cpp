#include "source/address_assignment.h"

#include <algorithm>
#include <array>

#include "source/address_text.h"
#include "source/registers.h"

namespace casl2wb {

namespace {

WordCount dcWordCount(const SourceTable& table, int n) {
  const Text& operand = table.lineFields(n, colOperandField);
  if (contains(operand, U"'") && !contains(operand, U"#")) {
    // The two quotes and the appended space are not counted.
    return WordCount::of(static_cast<std::int64_t>(operand.size()) - 3);
  }
  if (!contains(operand, U",")) return WordCount::of(1);
  return WordCount::of(table.dcConstantCount);
}

}  // namespace

WordCount& WordCount::operator+=(const WordCount& other) {
  value = std::clamp(value + other.value, -saturation, saturation);
  lowBits = static_cast<std::uint16_t>(lowBits + other.lowBits);
  return *this;
}

WordCount dsWordCount(TextView operand) {
  std::size_t at = 0;
  bool negative = false;
  if (at < operand.size() && (operand[at] == U'+' || operand[at] == U'-')) {
    negative = operand[at] == U'-';
    ++at;
  }
  WordCount count;
  for (; at < operand.size() && operand[at] >= U'0' && operand[at] <= U'9'; ++at) {
    const int digit = static_cast<int>(operand[at] - U'0');
    count.value = std::min(WordCount::saturation, count.value * 10 + digit);
    count.lowBits = static_cast<std::uint16_t>(count.lowBits * 10 + digit);
  }
  if (negative) {
    count.value = -count.value;
    count.lowBits = static_cast<std::uint16_t>(-count.lowBits);
  }
  return count;
}

StatementSize statementSize(const SourceTable& table, int n) {
  const Text& op = table.lineFields(n, colOperation);
  StatementSize size;
  if (isOneOf(op, {U"START", U"END", U" "})) {
    size.occupies = false;
  } else if (op == U"DS") {
    size.words = dsWordCount(table.operandParts(n, 1));
    if (size.words.value < 0) {
      size.words = WordCount{};
      size.badDsCount = true;
    }
  } else if (op == U"DC") {
    size.words = dcWordCount(table, n);
  } else if (isOneOf(op, {U"IN", U"OUT"})) {
    size.words = WordCount::of(3);
  } else if (op == U"RPUSH") {
    size.words = WordCount::of(15);
  } else if (op == U"RPOP") {
    size.words = WordCount::of(8);
  } else if (isRegisterMemoryOperation(op)) {
    size.twoWord = !isRegisterName(table.operandParts(n, 2));
    size.words = WordCount::of(size.twoWord ? 2 : 1);
  } else if (isOneOf(op, {U"NOP", U"POP", U"RET", U"DMP"})) {
    size.words = WordCount::of(1);
  } else {
    size.words = WordCount::of(2);
    size.twoWord = true;
  }
  return size;
}

StatementSize assignAddress(SourceTable& table, int n, LocationCounter& locationCounter) {
  const StatementSize size = statementSize(table, n);
  if (!size.occupies) {
    table.lineAddress(n).assign(1, U' ');  // no address
    return size;
  }
  table.lineAddress(n) = fromUtf8(hexWordText(locationCounter.lowBits));
  table.lineLocation(n) = locationCounter.value;
  table.twoWordFlag(n) = size.twoWord ? 1 : 0;
  locationCounter += size.words;
  return size;
}

}  // namespace casl2wb
