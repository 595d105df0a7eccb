#include "source/label_table.h"

#include <algorithm>

#include "source/messages.h"
#include "source/registers.h"

namespace casl2wb {

namespace {

bool isLabelCharacter(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z'); }

// Looks up operand `operand` (1 or 2) of line n; returns false when undefined.
bool resolveReference(const SourceTable& table, const LabelIndex& labels, int n, int operand,
                      ErrorLog& errors) {
  const Text& label = table.operandParts(n, operand);
  const int first = labels.findLabel(label, 1, table.lineCount);
  if (first == -1) {
    errors.add(msgLabelUndefined(n, operand, label));
    return false;
  }
  if (labels.findLabel(label, first + 1, table.lineCount) != -1) {
    errors.add(msgLabelTwice(n, operand, label));
  }
  return true;
}

}  // namespace

void checkLabelSyntax(TextView text, ErrorLog& errors) {
  if (text.size() > 8) {
    errors.add(msgLabelTooLong);
    return;
  }
  for (char32_t c : text) {
    if (!isLabelCharacter(c)) errors.add(msgLabelBad);
  }
}

void checkIndexRegister(TextView text, ErrorLog& errors) {
  if (!isIndexRegisterName(text)) errors.add(msgIndexNotRegister);
}

LabelIndex::LabelIndex(const SourceTable& table, int lineCount) {
  for (int n = 1; n <= lineCount; ++n) lines_[table.labelTable(n)].push_back(n);
}

int LabelIndex::findLabel(const Text& value, int first, int last) const {
  const auto found = lines_.find(value);
  if (found == lines_.end()) return -1;
  const std::vector<int>& lines = found->second;
  const auto at = std::lower_bound(lines.begin(), lines.end(), first);
  return at != lines.end() && *at <= last ? *at : -1;
}

void resolveLabels(SourceTable& table, ErrorLog& errors) {
  const LabelIndex labels(table, table.lineCount);
  for (int n = 1; n <= table.lineCount; ++n) {
    if (table.op1IsLabel(n) == 1 && !resolveReference(table, labels, n, 1, errors)) {
      table.op1IsLabel(n) = 0;
    }
    if (table.op2IsLabel(n) == 1) {
      const Text& operand = table.operandParts(n, 2);
      // Immediate values (#...), blanks and plain numbers are not labels.
      const bool looksLikeLabel = !startsWith(operand, U"#") && operand != U" " &&
                                  !operand.empty() && hasCapitalLetter(operand);
      if (looksLikeLabel && !resolveReference(table, labels, n, 2, errors)) {
        table.op2IsLabel(n) = 0;
      }
    }
  }
}

}  // namespace casl2wb
