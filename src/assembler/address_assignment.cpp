#include "assembler/address_assignment.h"

#include <algorithm>

#include "assembler/registers.h"
#include "comet2/instruction_set.h"

namespace casl2wb {

namespace {

WordCount dcWordCount(const SourceLine& line, std::int64_t dcConstantCount) {
  const Text& operands = line.field(Column::OperandField);
  if (contains(operands, U"'") && !contains(operands, U"#")) {
    // The two quotes and the appended space are not counted.
    return WordCount::of(static_cast<std::int64_t>(operands.size()) - 3);
  }
  if (!contains(operands, U",")) return WordCount::of(1);
  return WordCount::of(dcConstantCount);
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

StatementSize statementSize(const SourceLine& line, std::int64_t dcConstantCount) {
  const LineOperation& operation = line.operation;
  StatementSize size;
  if (!operation.occupiesMemory()) {
    size.occupies = false;
  } else if (operation.is(OperationKind::DefineStorage)) {
    size.words = dsWordCount(line.operand(firstOperand));
    if (size.words.value < 0) {
      size.words = WordCount{};
      size.badDsCount = true;
    }
  } else if (operation.is(OperationKind::DefineConstant)) {
    size.words = dcWordCount(line, dcConstantCount);
  } else if (const Instruction* instruction = operation.forms.main) {
    const bool registerForm = instruction->syntax == Syntax::RegisterMemory &&
                              isRegisterName(line.operand(secondOperand));
    size.words = WordCount::of(registerForm ? 1 : instruction->length);
  } else {
    size.words = WordCount::of(2);  // the lower-case "out" and "end", and unknown operations
  }
  return size;
}

StatementSize assignAddress(SourceLine& line, LocationCounter& locationCounter,
                            std::int64_t dcConstantCount) {
  const StatementSize size = statementSize(line, dcConstantCount);
  if (!size.occupies) {
    line.address = LineAddress::none();
    return size;
  }
  line.address = LineAddress::at(locationCounter.lowBits);
  line.location = locationCounter.value;
  locationCounter += size.words;
  return size;
}

}  // namespace casl2wb
