#include "assembler/label_table.h"

#include <algorithm>

#include "assembler/registers.h"

namespace casl2wb {

namespace {

bool isLabelCharacter(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z'); }

// Looks up operand `operand` (the first or second) of line n; false when
// the label is defined nowhere.
bool resolveReference(const SourceTable& table, const LabelIndex& labels, int n, int operand,
                      DiagnosticLog& log) {
  const SourceLine& row = table.line(n);
  const Text& label = row.operand(operand);
  const std::string lineNumber = std::to_string(n);
  const std::string operandNumber = std::to_string(operand + 1);
  const LineField field = LineField::operand(operand);
  const int first = labels.findLabel(label, 1, table.lineCount);
  if (first == -1) {
    log.add(n, row, field, Diagnostic::Place::AfterLines, Message::LabelUndefined,
            {lineNumber, operandNumber, toUtf8(label)});
    return false;
  }
  if (labels.findLabel(label, first + 1, table.lineCount) != -1) {
    log.add(n, row, field, Diagnostic::Place::AfterLines, Message::LabelTwice,
            {lineNumber, operandNumber, toUtf8(label)});
  }
  return true;
}

}  // namespace

void checkLabelSyntax(const SourceLine& row, LineField field, int n, DiagnosticLog& log) {
  const Text& text = row.textOf(field);
  if (text.size() > 8) {
    log.add(n, row, field, Diagnostic::Place::AfterLine, Message::LabelTooLong);
    return;
  }
  for (char32_t c : text) {
    if (!isLabelCharacter(c)) {
      log.add(n, row, field, Diagnostic::Place::AfterLine, Message::LabelBad);
    }
  }
}

void checkIndexRegister(const SourceLine& row, int n, DiagnosticLog& log) {
  if (!isIndexRegisterName(row.operand(thirdOperand))) {
    log.add(n, row, LineField::operand(thirdOperand), Diagnostic::Place::AfterLine,
            Message::IndexNotRegister);
  }
}

LabelIndex::LabelIndex(const SourceTable& table, int lineCount) {
  for (int n = 1; n <= lineCount; ++n) lines_[table.line(n).label].push_back(n);
}

int LabelIndex::findLabel(const Text& value, int first, int last) const {
  const auto found = lines_.find(value);
  if (found == lines_.end()) return -1;
  const std::vector<int>& lines = found->second;
  const auto at = std::lower_bound(lines.begin(), lines.end(), first);
  return at != lines.end() && *at <= last ? *at : -1;
}

void resolveLabels(SourceTable& table, DiagnosticLog& log) {
  const LabelIndex labels(table, table.lineCount);
  for (int n = 1; n <= table.lineCount; ++n) {
    SourceLine& line = table.line(n);
    if (line.firstOperandIsLabel && !resolveReference(table, labels, n, firstOperand, log)) {
      line.firstOperandIsLabel = false;
    }
    if (line.secondOperandIsLabel) {
      const Text& operand = line.operand(secondOperand);
      // Immediate values (#...), blanks and plain numbers are not labels.
      const bool looksLikeLabel = !startsWith(operand, U"#") && operand != U" " &&
                                  !operand.empty() && hasCapitalLetter(operand);
      if (looksLikeLabel && !resolveReference(table, labels, n, secondOperand, log)) {
        line.secondOperandIsLabel = false;
      }
    }
  }
}

}  // namespace casl2wb
