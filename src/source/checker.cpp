#include "source/checker.h"

#include <algorithm>
#include <unordered_map>

#include "source/address_assignment.h"
#include "source/label_table.h"
#include "source/line_splitter.h"
#include "source/messages.h"
#include "source/registers.h"
#include "source/source_file.h"

namespace casl2wb {

namespace {

const Text blank = U" ";

bool isRecognisedOperation(const Text& op) {
  return op == blank || isRegisterMemoryOperation(op) || isStoreShiftOperation(op) ||
         isBranchOperation(op) ||
         isOneOf(op, {U"POP", U"RET", U"NOP", U"START", U"END", U"DC", U"DS", U"IN", U"OUT", U"out",
                      U"DMP", U"MDMP", U"RPUSH", U"RPOP"});
}

bool startsWithLetter(TextView text) {
  return !text.empty() &&
         ((text[0] >= U'A' && text[0] <= U'Z') || (text[0] >= U'a' && text[0] <= U'z'));
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The checks of one line's statement, run after its listing item is added.
class StatementCheck {
 public:
  StatementCheck(SourceTable& table, int n, ErrorLog& errors, bool& retSeen)
      : table_(table),
        n_(n),
        errors_(errors),
        retSeen_(retSeen),
        op_(table.lineFields(n, colOperation)),
        label_(table.lineFields(n, colLabel)) {}

  void run() {
    if (n_ == 1 && op_ != U"START") errors_.add(msgNoStart);
    if (op_ == U"START") checkStart();
    if (op_ == U"END" || op_ == U"end") checkEnd();
    checkStrayToken();
    checkDataAndMacros();
    if (isRegisterMemoryOperation(op_)) checkRegisterMemory();
    if (isStoreShiftOperation(op_)) checkStoreShift();
    if (isBranchOperation(op_)) checkBranch();
    if (op_ == U"POP") checkPop();
    if (isOneOf(op_, {U"RET", U"NOP", U"RPUSH", U"RPOP", U"DMP", U"MDMP"})) checkNoOperand();
    if (!isRecognisedOperation(op_)) errors_.add(msgUnknownOperation);
  }

 private:
  Text& part(int k) { return table_.operandParts(n_, k); }
  const Text& operandField() const { return table_.lineFields(n_, colOperandField); }
  void checkLabelColumn() {
    if (label_ != blank) checkLabelSyntax(label_, errors_);
  }

  void checkStart() {
    checkLabelSyntax(label_, errors_);  // a blank label fails too
    Text& start = part(1);
    if (!isOneOf(start, {U" ", U"  ", U""})) {
      table_.op1IsLabel(n_) = 1;
      dropTrailingSpace(start);
      checkLabelSyntax(start, errors_);
    }
    if (label_ == blank) errors_.add(msgStartNoLabel);
  }

  void checkEnd() {
    if (label_ != blank) errors_.add(msgLabelNotAllowed);
    if (operandField() != U"  ") errors_.add(msgOperandNotAllowed);
  }

  // A quoted operand cut at a space leaves a stray token in column 5.
  void checkStrayToken() {
    const Text& extra = table_.lineFields(n_, colExtraField);
    if (extra != blank && op_ != U"DC" && contains(operandField(), U"'") &&
        !contains(operandField(), U"=' '") && !contains(extra, U";")) {
      errors_.add(msgStraySpace);
    }
  }

  void checkDataAndMacros() {
    if (op_ == U"DC") {
      checkLabelColumn();
      const Text& constant = part(1);
      if (!constant.empty() && !contains(constant, U"'") && !contains(constant, U"#") &&
          startsWithLetter(constant)) {
        table_.op1IsLabel(n_) = 1;
        checkLabelSyntax(constant, errors_);
      }
    } else if (op_ == U"DS") {
      checkLabelColumn();
    } else if (isOneOf(op_, {U"IN", U"OUT", U"out"})) {
      checkLabelColumn();
      if (!startsWith(part(1), U"=")) {
        table_.op1IsLabel(n_) = 1;
        checkLabelSyntax(part(1), errors_);
      }
      if (!startsWith(part(2), U"=")) {
        table_.op2IsLabel(n_) = 1;
        checkLabelSyntax(part(2), errors_);
      }
      if (part(3) != blank) errors_.add(msgNoThirdOperand);
    } else if (op_ == U"RET") {
      retSeen_ = true;
    }
  }

  // The address operand (part 2) of the register-memory, store/shift and
  // branch groups; only the first two accept the hex letters A-F in numbers.
  void checkAddressOperand(bool hexLettersAllowed) {
    const Text& address = part(2);
    if (address.size() > 8) {
      errors_.add(msgOperand2TooLong);
      return;
    }
    if (startsWith(address, U"-") || (!address.empty() && isDigit(address[0]))) {
      const bool bad = std::any_of(address.begin(), address.end(), [&](char32_t c) {
        return !(c == U'-' || isDigit(c) || (hexLettersAllowed && c >= U'A' && c <= U'F'));
      });
      if (bad) errors_.add(msgOperand2Bad);
      return;
    }
    table_.op2IsLabel(n_) = 1;
    if (!startsWith(address, U"#")) checkLabelSyntax(address, errors_);
  }

  void checkRegisterMemory() {
    if (part(3) == blank) {
      if (!isRegisterName(part(1))) {
        errors_.add(msgOperand1NotRegister);
      } else if (!isRegisterName(part(2)) && !startsWith(part(2), U"#") &&
                 !startsWith(part(2), U"=")) {
        table_.op2IsLabel(n_) = 1;
        checkLabelSyntax(part(2), errors_);
      }
      return;
    }
    checkIndexRegister(part(3), errors_);
    if (!isRegisterName(part(1))) {
      errors_.add(msgOperand1NotRegister);
      return;
    }
    checkAddressOperand(true);
  }

  void checkStoreShift() {
    if (part(3) != blank) checkIndexRegister(part(3), errors_);
    if (isRegisterName(part(1))) checkAddressOperand(true);
  }

  void checkBranch() {
    checkLabelColumn();
    dropTrailingSpace(part(2));
    checkAddressOperand(false);
    if (part(3) != blank && !isIndexRegisterName(part(3))) errors_.add(msgBranchIndexBad);
  }

  void checkPop() {
    if (!isRegisterName(part(1))) errors_.add(msgPopOperandBad);
    if (part(2) != blank) errors_.add(msgNoSecondOperand);
    if (part(3) != blank) errors_.add(msgNoThirdOperand);
  }

  void checkNoOperand() {
    checkLabelColumn();
    if (operandField() != U"  ") errors_.add(msgOperandNotAllowed);
  }

  SourceTable& table_;
  const int n_;
  ErrorLog& errors_;
  bool& retSeen_;
  const Text op_;
  const Text label_;
};

std::int16_t toInt16(std::int64_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

}  // namespace

SyntaxChecker::SyntaxChecker(SourceTable& table, MemoryImage& memory, MessageList& messages)
    : table_(table), memory_(memory), messages_(messages), errors_(messages, table.errorCount) {}

void SyntaxChecker::addError(const std::string& text) { errors_.add(text); }

CheckFileResult SyntaxChecker::checkProgram(const std::string& path) {
  SourceReadResult file = readSourceFile(path);
  if (!file.ok) return {false, file.error};
  checkLines(file.lines);
  return {true, ""};
}

void SyntaxChecker::checkLines(const std::vector<Text>& lines) {
  const int processed =
      static_cast<int>(std::min<std::size_t>(lines.size(), SourceTable::maxLines));
  startCheck(processed);
  for (int n = 1; n <= processed; ++n) checkLine(n, lines[n - 1]);
  if (lines.size() > static_cast<std::size_t>(SourceTable::maxLines)) addError(msgTooManyLines);
  finishCheck();
}

// Rows after the last line read stay blank: they end the program.
void SyntaxChecker::startCheck(int lineCount) {
  table_.errorCount = 0;
  locationCounter_ = LocationCounter{};
  messages_.clear();
  table_.resetRows(lineCount + 1);
  memory_.resetForCheck();
  retSeen_ = false;
}

void SyntaxChecker::checkLine(int n, const Text& line) {
  if (line.size() > maxLineLength) addError(msgLineTooLong);
  splitLine(table_, n, line);
  if (assignAddress(table_, n, locationCounter_).badDsCount) addError(msgDsCountBad);
  normaliseOperands(table_, n);
  messages_.add(lineListItem(table_, n));
  StatementCheck(table_, n, errors_, retSeen_).run();
}

void SyntaxChecker::finishCheck() {
  SourceTable& t = table_;
  t.programEnd = locationCounter_.value;

  // The first line without operation and extra field ends the program.
  t.lineCount = SourceTable::maxLines;
  for (int n = 1; n <= SourceTable::maxLines; ++n) {
    if (t.lineFields(n, colOperation) == blank && t.lineFields(n, colExtraField) == blank) {
      t.lineCount = n - 1;
      break;
    }
  }

  // The OUT buffer length comes from the DS line that the last OUT names.
  std::unordered_map<Text, int> lastDsWithLabel;
  for (int n = 1; n <= t.lineCount; ++n) {
    if (t.lineFields(n, colOperation) == U"DS") lastDsWithLabel[t.lineFields(n, colLabel)] = n;
  }
  for (int n = 1; n <= t.lineCount; ++n) {
    if (t.lineFields(n, colOperation) != U"OUT") continue;
    const auto ds = lastDsWithLabel.find(t.operandParts(n, 1));
    if (ds != lastDsWithLabel.end())
      t.outSize = toInt16(dsWordCount(t.operandParts(ds->second, 1)).value);
  }

  if (!retSeen_) addError(msgNoRet);
  if (t.lineFields(t.lineCount, colOperation) != U"END") addError(msgNoEnd);

  for (int n = 1; n <= t.lineCount; ++n) {
    for (int k = 1; k <= 3; ++k) dropTrailingSpace(t.operandParts(n, k));
    t.labelTable(n) = t.lineFields(n, colLabel);
  }
  resolveLabels(t, errors_);

  if (t.errorCount < 1) {
    messages_.add(msgNoErrors);
    if (translate) translate();
  } else {
    messages_.add(msgErrorTotal(t.errorCount));
  }
}

}  // namespace casl2wb
