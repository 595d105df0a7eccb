#include "assembler/checker.h"

#include <algorithm>
#include <unordered_map>

#include "assembler/address_assignment.h"
#include "assembler/label_table.h"
#include "assembler/line_splitter.h"
#include "assembler/registers.h"

namespace casl2wb {

namespace {

const Text blank = U" ";
constexpr auto beforeLine = Diagnostic::Place::BeforeLine;
constexpr auto afterLine = Diagnostic::Place::AfterLine;
constexpr auto afterLines = Diagnostic::Place::AfterLines;
constexpr LineField labelField = LineField::of(Column::Label);
constexpr LineField operationField = LineField::of(Column::Operation);
constexpr LineField operandsField = LineField::of(Column::OperandField);
constexpr LineField extraField = LineField::of(Column::ExtraField);

bool startsWithLetter(TextView text) {
  return !text.empty() &&
         ((text[0] >= U'A' && text[0] <= U'Z') || (text[0] >= U'a' && text[0] <= U'z'));
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The checks of one line's statement, made after its listing line.
class StatementCheck {
 public:
  StatementCheck(SourceLine& line, int n, DiagnosticLog& log, bool& retSeen)
      : line_(line),
        n_(n),
        log_(log),
        retSeen_(retSeen),
        operation_(line.operation),
        label_(line.field(Column::Label)) {}

  void run() {
    if (n_ == 1 && !operation_.is(OperationKind::Start)) error(Message::NoStart, operationField);
    if (operation_.is(OperationKind::Start)) checkStart();
    if (operation_.is(OperationKind::End) || operation_.is(OperationKind::LowerCaseEnd)) checkEnd();
    checkStrayToken();
    checkDataAndMacros();
    switch (operation_.syntax().value_or(Syntax::InOut)) {
      case Syntax::RegisterMemory:
        checkRegisterMemory();
        break;
      case Syntax::StoreShift:
        checkStoreShift();
        break;
      case Syntax::Branch:
        checkBranch();
        break;
      case Syntax::Pop:
        checkPop();
        break;
      case Syntax::NoOperand:
        checkNoOperand();
        break;
      case Syntax::InOut:
        break;  // with DC and DS in checkDataAndMacros
    }
    if (!operation_.isRecognised()) error(Message::UnknownOperation, operationField);
  }

 private:
  void error(Message message, LineField field) { log_.add(n_, line_, field, afterLine, message); }
  void errorOfPart(Message message, int k) { error(message, LineField::operand(k)); }
  Text& part(int k) { return line_.operand(k); }
  const Text& operandField() const { return line_.field(Column::OperandField); }
  void checkLabel(LineField field) { checkLabelSyntax(line_, field, n_, log_); }
  void checkPartAsLabel(int k) { checkLabel(LineField::operand(k)); }
  void checkLabelColumn() {
    if (label_ != blank) checkLabel(labelField);
  }

  void checkStart() {
    checkLabel(labelField);  // a blank label fails too
    Text& start = part(firstOperand);
    if (!isOneOf(start, {U" ", U"  ", U""})) {
      line_.firstOperandIsLabel = true;
      dropTrailingSpace(start);
      checkPartAsLabel(firstOperand);
    }
    if (label_ == blank) error(Message::StartWithoutLabel, labelField);
  }

  void checkEnd() {
    if (label_ != blank) error(Message::LabelNotAllowed, labelField);
    if (operandField() != U"  ") error(Message::OperandNotAllowed, operandsField);
  }

  // A quoted operand cut at a space leaves a stray token in the extra column.
  void checkStrayToken() {
    const Text& extra = line_.field(Column::ExtraField);
    if (extra != blank && !operation_.is(OperationKind::DefineConstant) &&
        contains(operandField(), U"'") && !contains(operandField(), U"=' '") &&
        !contains(extra, U";")) {
      error(Message::StraySpace, extraField);
    }
  }

  void checkDataAndMacros() {
    if (operation_.is(OperationKind::DefineConstant)) {
      checkLabelColumn();
      const Text& constant = part(firstOperand);
      if (!constant.empty() && !contains(constant, U"'") && !contains(constant, U"#") &&
          startsWithLetter(constant)) {
        line_.firstOperandIsLabel = true;
        checkPartAsLabel(firstOperand);
      }
    } else if (operation_.is(OperationKind::DefineStorage)) {
      checkLabelColumn();
    } else if (operation_.is(Action::Input) || operation_.is(Action::Output) ||
               operation_.is(OperationKind::LowerCaseOut)) {
      checkLabelColumn();
      if (!startsWith(part(firstOperand), U"=")) {
        line_.firstOperandIsLabel = true;
        checkPartAsLabel(firstOperand);
      }
      if (!startsWith(part(secondOperand), U"=")) {
        line_.secondOperandIsLabel = true;
        checkPartAsLabel(secondOperand);
      }
      if (part(thirdOperand) != blank) errorOfPart(Message::ThirdOperandNotAllowed, thirdOperand);
    } else if (operation_.is(Action::Return)) {
      retSeen_ = true;
    }
  }

  // The address operand (second part) of the register-memory, store/shift
  // and branch groups; only the first two accept the hex letters A-F in numbers.
  void checkAddressOperand(bool hexLettersAllowed) {
    const Text& address = part(secondOperand);
    if (address.size() > 8) {
      errorOfPart(Message::SecondOperandTooLong, secondOperand);
      return;
    }
    if (startsWith(address, U"-") || (!address.empty() && isDigit(address[0]))) {
      const bool bad = std::any_of(address.begin(), address.end(), [&](char32_t c) {
        return !(c == U'-' || isDigit(c) || (hexLettersAllowed && c >= U'A' && c <= U'F'));
      });
      if (bad) errorOfPart(Message::SecondOperandBad, secondOperand);
      return;
    }
    line_.secondOperandIsLabel = true;
    if (!startsWith(address, U"#")) checkPartAsLabel(secondOperand);
  }

  void checkRegisterMemory() {
    if (part(thirdOperand) == blank) {
      if (!isRegisterName(part(firstOperand))) {
        errorOfPart(Message::FirstOperandNotRegister, firstOperand);
      } else if (!isRegisterName(part(secondOperand)) && !startsWith(part(secondOperand), U"#") &&
                 !startsWith(part(secondOperand), U"=")) {
        line_.secondOperandIsLabel = true;
        checkPartAsLabel(secondOperand);
      }
      return;
    }
    checkIndexRegister(line_, n_, log_);
    if (!isRegisterName(part(firstOperand))) {
      errorOfPart(Message::FirstOperandNotRegister, firstOperand);
      return;
    }
    checkAddressOperand(true);
  }

  void checkStoreShift() {
    if (part(thirdOperand) != blank) checkIndexRegister(line_, n_, log_);
    if (isRegisterName(part(firstOperand))) checkAddressOperand(true);
  }

  void checkBranch() {
    checkLabelColumn();
    dropTrailingSpace(part(secondOperand));
    checkAddressOperand(false);
    if (part(thirdOperand) != blank && !isIndexRegisterName(part(thirdOperand))) {
      errorOfPart(Message::BranchIndexBad, thirdOperand);
    }
  }

  void checkPop() {
    if (!isRegisterName(part(firstOperand))) errorOfPart(Message::PopOperandBad, firstOperand);
    if (part(secondOperand) != blank) {
      errorOfPart(Message::SecondOperandNotAllowed, secondOperand);
    }
    if (part(thirdOperand) != blank) errorOfPart(Message::ThirdOperandNotAllowed, thirdOperand);
  }

  void checkNoOperand() {
    checkLabelColumn();
    if (operandField() != U"  ") error(Message::OperandNotAllowed, operandsField);
  }

  SourceLine& line_;
  const int n_;
  DiagnosticLog& log_;
  bool& retSeen_;
  const LineOperation operation_;
  const Text label_;
};

std::int16_t toInt16(std::int64_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

// The OUT buffer length comes from the DS line that the last OUT names.
void findOutputSize(const SourceTable& table, CheckCarryOver& carry) {
  std::unordered_map<Text, int> lastDsWithLabel;
  for (int n = 1; n <= table.lineCount; ++n) {
    const SourceLine& line = table.line(n);
    if (line.operation.is(OperationKind::DefineStorage))
      lastDsWithLabel[line.field(Column::Label)] = n;
  }
  for (int n = 1; n <= table.lineCount; ++n) {
    const SourceLine& line = table.line(n);
    if (!line.operation.is(Action::Output)) continue;
    const auto ds = lastDsWithLabel.find(line.operand(firstOperand));
    if (ds != lastDsWithLabel.end()) {
      carry.outputSize = toInt16(dsWordCount(table.line(ds->second).operand(firstOperand)).value);
    }
  }
}

// After the last line: the end of the program, the OUT buffer length, RET
// and END, and the labels.
void finishCheck(SourceTable& table, DiagnosticLog& log, CheckCarryOver& carry, bool retSeen,
                 const LocationCounter& counter) {
  table.programEnd = counter.value;

  // The first line without operation and extra field ends the program.
  table.lineCount = SourceTable::maxLines;
  for (int n = 1; n <= SourceTable::maxLines; ++n) {
    const SourceLine& line = table.line(n);
    if (line.operation.is(OperationKind::Blank) && line.field(Column::ExtraField) == blank) {
      table.lineCount = n - 1;
      break;
    }
  }

  findOutputSize(table, carry);
  if (!retSeen) log.addOfProgram(afterLines, Message::NoRet);
  if (!table.line(table.lineCount).operation.is(OperationKind::End)) {
    log.addOfProgram(afterLines, Message::NoEnd);
  }

  for (int n = 1; n <= table.lineCount; ++n) {
    SourceLine& line = table.line(n);
    for (int k = firstOperand; k <= thirdOperand; ++k) dropTrailingSpace(line.operand(k));
    line.label = line.field(Column::Label);
  }
  resolveLabels(table, log);
}

}  // namespace

int checkProgram(const std::vector<Text>& lines, SourceTable& table, DiagnosticLog& log,
                 CheckCarryOver& carry) {
  const int processed =
      static_cast<int>(std::min<std::size_t>(lines.size(), SourceTable::maxLines));
  LocationCounter counter;
  bool retSeen = false;
  for (int n = 1; n <= processed; ++n) {
    const Text& text = lines[static_cast<std::size_t>(n - 1)];
    SourceLine& line = table.line(n);
    // The row starts as the line's fields; the address and marks follow.
    static_cast<LineFields&>(line) = splitLine(text);
    if (text.size() > maxLineLength) {
      log.add(n, line, LineField::pastLineLimit(), beforeLine, Message::LineTooLong);
    }
    if (line.dcConstantCount) carry.dcConstantCount = *line.dcConstantCount;
    if (assignAddress(line, counter, carry.dcConstantCount).badDsCount) {
      log.add(n, line, LineField::operand(firstOperand), beforeLine, Message::DsCountBad);
    }
    normaliseOperands(line);
    StatementCheck(line, n, log, retSeen).run();
  }
  if (lines.size() > static_cast<std::size_t>(SourceTable::maxLines)) {
    log.addOfProgram(afterLines, Message::TooManyLines);
  }
  finishCheck(table, log, carry, retSeen, counter);
  return processed;
}

}  // namespace casl2wb
