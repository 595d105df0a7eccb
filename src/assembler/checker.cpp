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

bool isRecognisedOperation(const Text& operation) {
  return operation == blank || syntaxOf(operation).has_value() ||
         isOneOf(operation, {U"START", U"END", U"DC", U"DS", U"out"});
}

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
        operation_(line.field(Column::Operation)),
        label_(line.field(Column::Label)) {}

  void run() {
    if (n_ == 1 && operation_ != U"START") error(Message::NoStart);
    if (operation_ == U"START") checkStart();
    if (operation_ == U"END" || operation_ == U"end") checkEnd();
    checkStrayToken();
    checkDataAndMacros();
    switch (syntaxOf(operation_).value_or(Syntax::InOut)) {
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
    if (!isRecognisedOperation(operation_)) error(Message::UnknownOperation);
  }

 private:
  void error(Message message) { log_.add(n_, afterLine, message); }
  Text& part(int k) { return line_.operand(k); }
  const Text& operandField() const { return line_.field(Column::OperandField); }
  void checkLabel(TextView text) { checkLabelSyntax(text, n_, log_); }
  void checkLabelColumn() {
    if (label_ != blank) checkLabel(label_);
  }

  void checkStart() {
    checkLabel(label_);  // a blank label fails too
    Text& start = part(firstOperand);
    if (!isOneOf(start, {U" ", U"  ", U""})) {
      line_.firstOperandIsLabel = true;
      dropTrailingSpace(start);
      checkLabel(start);
    }
    if (label_ == blank) error(Message::StartWithoutLabel);
  }

  void checkEnd() {
    if (label_ != blank) error(Message::LabelNotAllowed);
    if (operandField() != U"  ") error(Message::OperandNotAllowed);
  }

  // A quoted operand cut at a space leaves a stray token in the extra column.
  void checkStrayToken() {
    const Text& extra = line_.field(Column::ExtraField);
    if (extra != blank && operation_ != U"DC" && contains(operandField(), U"'") &&
        !contains(operandField(), U"=' '") && !contains(extra, U";")) {
      error(Message::StraySpace);
    }
  }

  void checkDataAndMacros() {
    if (operation_ == U"DC") {
      checkLabelColumn();
      const Text& constant = part(firstOperand);
      if (!constant.empty() && !contains(constant, U"'") && !contains(constant, U"#") &&
          startsWithLetter(constant)) {
        line_.firstOperandIsLabel = true;
        checkLabel(constant);
      }
    } else if (operation_ == U"DS") {
      checkLabelColumn();
    } else if (isOneOf(operation_, {U"IN", U"OUT", U"out"})) {
      checkLabelColumn();
      if (!startsWith(part(firstOperand), U"=")) {
        line_.firstOperandIsLabel = true;
        checkLabel(part(firstOperand));
      }
      if (!startsWith(part(secondOperand), U"=")) {
        line_.secondOperandIsLabel = true;
        checkLabel(part(secondOperand));
      }
      if (part(thirdOperand) != blank) error(Message::ThirdOperandNotAllowed);
    } else if (operation_ == U"RET") {
      retSeen_ = true;
    }
  }

  // The address operand (second part) of the register-memory, store/shift
  // and branch groups; only the first two accept the hex letters A-F in numbers.
  void checkAddressOperand(bool hexLettersAllowed) {
    const Text& address = part(secondOperand);
    if (address.size() > 8) {
      error(Message::SecondOperandTooLong);
      return;
    }
    if (startsWith(address, U"-") || (!address.empty() && isDigit(address[0]))) {
      const bool bad = std::any_of(address.begin(), address.end(), [&](char32_t c) {
        return !(c == U'-' || isDigit(c) || (hexLettersAllowed && c >= U'A' && c <= U'F'));
      });
      if (bad) error(Message::SecondOperandBad);
      return;
    }
    line_.secondOperandIsLabel = true;
    if (!startsWith(address, U"#")) checkLabel(address);
  }

  void checkRegisterMemory() {
    if (part(thirdOperand) == blank) {
      if (!isRegisterName(part(firstOperand))) {
        error(Message::FirstOperandNotRegister);
      } else if (!isRegisterName(part(secondOperand)) && !startsWith(part(secondOperand), U"#") &&
                 !startsWith(part(secondOperand), U"=")) {
        line_.secondOperandIsLabel = true;
        checkLabel(part(secondOperand));
      }
      return;
    }
    checkIndexRegister(part(thirdOperand), n_, log_);
    if (!isRegisterName(part(firstOperand))) {
      error(Message::FirstOperandNotRegister);
      return;
    }
    checkAddressOperand(true);
  }

  void checkStoreShift() {
    if (part(thirdOperand) != blank) checkIndexRegister(part(thirdOperand), n_, log_);
    if (isRegisterName(part(firstOperand))) checkAddressOperand(true);
  }

  void checkBranch() {
    checkLabelColumn();
    dropTrailingSpace(part(secondOperand));
    checkAddressOperand(false);
    if (part(thirdOperand) != blank && !isIndexRegisterName(part(thirdOperand))) {
      error(Message::BranchIndexBad);
    }
  }

  void checkPop() {
    if (!isRegisterName(part(firstOperand))) error(Message::PopOperandBad);
    if (part(secondOperand) != blank) error(Message::SecondOperandNotAllowed);
    if (part(thirdOperand) != blank) error(Message::ThirdOperandNotAllowed);
  }

  void checkNoOperand() {
    checkLabelColumn();
    if (operandField() != U"  ") error(Message::OperandNotAllowed);
  }

  SourceLine& line_;
  const int n_;
  DiagnosticLog& log_;
  bool& retSeen_;
  const Text operation_;
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
    if (line.field(Column::Operation) == U"DS") lastDsWithLabel[line.field(Column::Label)] = n;
  }
  for (int n = 1; n <= table.lineCount; ++n) {
    const SourceLine& line = table.line(n);
    if (line.field(Column::Operation) != U"OUT") continue;
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
    if (line.field(Column::Operation) == blank && line.field(Column::ExtraField) == blank) {
      table.lineCount = n - 1;
      break;
    }
  }

  findOutputSize(table, carry);
  if (!retSeen) log.add(0, afterLines, Message::NoRet);
  if (table.line(table.lineCount).field(Column::Operation) != U"END") {
    log.add(0, afterLines, Message::NoEnd);
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
    if (text.size() > maxLineLength) log.add(n, beforeLine, Message::LineTooLong);
    splitLine(line, text, carry.dcConstantCount);
    if (assignAddress(line, counter, carry.dcConstantCount).badDsCount) {
      log.add(n, beforeLine, Message::DsCountBad);
    }
    normaliseOperands(line);
    StatementCheck(line, n, log, retSeen).run();
  }
  if (lines.size() > static_cast<std::size_t>(SourceTable::maxLines)) {
    log.add(0, afterLines, Message::TooManyLines);
  }
  finishCheck(table, log, carry, retSeen, counter);
  return processed;
}

}  // namespace casl2wb
