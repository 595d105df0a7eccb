#include "source/line_splitter.h"

#include "source/registers.h"

#include <algorithm>

namespace casl2wb {

namespace {

const Text blank = U" ";

// Cuts the padded line into the label, operation, operand and extra columns.
void splitTokens(SourceTable& table, int n, const Text& s) {
  std::size_t p = 1;
  int k = 0;
  int f = 1;
  skipSpaces(s, p, k);
  if (!(p == 1 && k == 1)) f = 2;  // the line starts with a space: no label
  std::size_t q = findFrom(p + 1, s, U" ");
  while (q >= p && q != 0 && f < 5) {
    ++f;
    skipSpaces(s, p, k);
    q = findFrom(p + 1, s, U" ");
    if (q == 0) break;
    table.lineFields(n, f) = mid(s, p + 1, q - p - 1);
    p = q;
  }
}

// A quoted DC string with a space in it was cut at that space: put the whole
// string back into the operand column.
void joinQuotedString(SourceTable& table, int n, const Text& line, const Text& s) {
  if (!contains(line, U"DC") || !contains(line, U"'")) return;
  const std::size_t a = find(s, U"'");
  const std::size_t b = findFrom(a, s, U" ");
  const std::size_t e = findFrom(a + 1, s, U"'");
  if (b > 0 && b < e) {
    table.lineFields(n, colOperandField) += mid(s, b, e - b + 1);
    Text& extra = table.lineFields(n, colExtraField);
    if (startsWith(extra, U"'")) extra.erase(0, 1);
  }
}

// The space character literal =' ' was cut at its space: rejoin it.
void joinSpaceLiteral(SourceTable& table, int n, const Text& line) {
  if (!contains(line, U"=") || !contains(line, U"'")) return;
  const std::size_t a = find(line, U"'");
  const std::size_t b = findFrom(a, line, U" ");
  const std::size_t e = findFrom(a + 1, line, U"'");
  if (b == a + 1 && b + 1 == e) {
    table.lineFields(n, colOperandField) += U" '";
    Text& extra = table.lineFields(n, colExtraField);
    if (startsWith(extra, U"'")) extra = blank;
  }
}

// A ';' outside quotes starts a comment; it goes to column 5 or 6, and the
// column holding the ';' is cleared together with the columns after it.
void takeComment(SourceTable& table, int n, const Text& s) {
  const std::size_t c = find(s, U";");
  const std::size_t a = find(s, U"'");
  if (c == 0 || (a != 0 && a < c)) return;
  const Text comment = c <= maxLineLength ? mid(s, c, maxLineLength - c + 1) : Text();
  Text& extra = table.lineFields(n, colExtraField);
  if (extra != blank && !contains(extra, U";")) {
    table.lineFields(n, colCommentField) = comment;
  } else {
    extra = comment;
  }
  for (int col = colLabel; col <= colOperandField; ++col) {
    if (contains(table.lineFields(n, col), U";")) {
      for (int cleared = col; cleared <= colOperandField; ++cleared) {
        table.lineFields(n, cleared) = blank;
      }
      break;
    }
  }
}

// Each comma-separated constant of a DC list becomes one operand part.
void splitConstants(SourceTable& table, int n, const Text& t) {
  const std::int64_t m = std::count(t.begin(), t.end(), U',') + 1;
  std::size_t start = 1;
  for (std::int64_t j = 1; j <= m; ++j) {
    const std::size_t comma = findFrom(start, t, U",");
    const std::size_t end = j < m ? comma : findFrom(start, t, U" ");
    const std::size_t length = end >= start ? end - start : 0;
    table.operandParts(n, static_cast<int>(j)) = mid(t, start, length);
    start = comma + 1;
  }
  table.dcConstantCount = m;
}

void splitOperands(SourceTable& table, int n) {
  Text& t = table.lineFields(n, colOperandField);
  t += U" ";
  const std::size_t c1 = find(t, U",");
  const std::size_t a = find(t, U"'");
  const std::size_t e = a == 0 ? 0 : findFrom(a + 1, t, U"'");
  if (contains(t, U"=' '")) {
    table.operandParts(n, 2) = right(t, 5);
    table.operandParts(n, 1) = left(t, 3);
  } else if ((c1 > a && c1 < e) || c1 == 0) {
    table.operandParts(n, 1) = t;
  } else {
    table.operandParts(n, 1) = left(t, c1 - 1);
    const std::size_t c2 = findFrom(c1 + 1, t, U",");
    if (c2 == 0) {
      const std::size_t d = findFrom(c1 + 1, t, U" ");
      table.operandParts(n, 2) = d == c1 + 1 ? blank : mid(t, c1 + 1, d - c1 - 1);
    } else {
      table.operandParts(n, 2) = mid(t, c1 + 1, c2 - c1 - 1);
      const std::size_t d = findFrom(c2 + 1, t, U" ");
      if (d != 0) table.operandParts(n, 3) = mid(t, c2 + 1, d - c2 - 1);
    }
  }
  if (table.lineFields(n, colOperation) == U"DC" && !contains(t, U"'")) {
    splitConstants(table, n, t);
  }
}

}  // namespace

void skipSpaces(TextView text, std::size_t& pos, int& count) {
  std::size_t at = pos;
  while (at >= 1 && at <= text.size() && text[at - 1] == U' ') ++at;
  pos = at - 1;
  ++count;
}

void splitLine(SourceTable& table, int n, const Text& line) {
  for (int c = colReserved; c <= colExtraField; ++c) table.lineFields(n, c) = blank;
  const Text s = U" " + line + U" ";
  splitTokens(table, n, s);
  joinQuotedString(table, n, line, s);
  joinSpaceLiteral(table, n, line);
  takeComment(table, n, s);
  splitOperands(table, n);
}

void normaliseOperands(SourceTable& table, int n) {
  if (isBranchOperation(table.lineFields(n, colOperation))) {
    table.operandParts(n, 3) = table.operandParts(n, 2);
    table.operandParts(n, 2) = table.operandParts(n, 1);
    table.operandParts(n, 1) = blank;
  }
  for (int k = 1; k <= 3; ++k) {
    Text& part = table.operandParts(n, k);
    if (part.size() > 3 && endsWith(part, U" ")) part.pop_back();
  }
}

}  // namespace casl2wb
