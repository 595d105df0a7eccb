#include "assembler/line_splitter.h"

#include <algorithm>

#include "assembler/registers.h"

namespace casl2wb {

namespace {

const Text blank = U" ";
constexpr std::size_t npos = Text::npos;

std::size_t firstNonSpace(const Text& s, std::size_t from) {
  while (from < s.size() && s[from] == U' ') ++from;
  return from;
}

void clearColumn(LineFields& line, Column column) {
  line.field(column) = blank;
  line.fieldSpan(column).reset();
}

// Where the characters [from, from + length) of a column's text stand: the
// text starts with the characters the column's span holds, and whatever
// follows them (the space that ends the operand field, a piece taken from
// elsewhere in the line) stands nowhere. An empty piece (an operand part
// between two commas) stands where it was cut, holding nothing.
std::optional<TextSpan> placeWithin(const std::optional<TextSpan>& span, std::size_t from,
                                    std::size_t length) {
  if (!span || from > span->length) return std::nullopt;
  return TextSpan{span->start + from, std::min(length, span->length - from)};
}

// The padded line " text " cut at its spaces: a line that starts with a
// character (not a space) begins with its label; at most four tokens go
// into the label, operation, operand and extra columns. Position p of the
// padded line is position p - 1 of the line.
void splitTokens(LineFields& line, const Text& padded) {
  std::size_t at = firstNonSpace(padded, 0);
  auto column = static_cast<int>(at == 1 ? Column::Label : Column::Operation);
  for (; column <= static_cast<int>(Column::ExtraField); ++column) {
    at = firstNonSpace(padded, at);
    if (at == padded.size()) break;
    const std::size_t end = padded.find(U' ', at);
    line.field(static_cast<Column>(column)) = padded.substr(at, end - at);
    line.fieldSpan(static_cast<Column>(column)) = TextSpan{at - 1, end - at};
    at = end;
  }
}

// Appends the characters that stand at position `at` of the line to the
// operand column; its span grows with them when they follow it in the line.
void appendToOperands(LineFields& line, const Text& piece, std::size_t at) {
  line.field(Column::OperandField) += piece;
  std::optional<TextSpan>& span = line.fieldSpan(Column::OperandField);
  if (span && span->end() == at) span->length += piece.size();
}

// A quoted DC string with a space in it was cut at that space: the rest of
// it, up to the closing quote, goes back into the operand column.
void joinQuotedString(LineFields& line, const Text& padded) {
  if (!contains(line.text, U"DC") || !contains(line.text, U"'")) return;
  const std::size_t quote = padded.find(U'\'');
  const std::size_t space = padded.find(U' ', quote);
  const std::size_t closing = padded.find(U'\'', quote + 1);
  if (space != npos && closing != npos && space < closing) {
    appendToOperands(line, padded.substr(space, closing - space + 1), space - 1);
    Text& extra = line.field(Column::ExtraField);
    if (startsWith(extra, U"'")) {
      extra.erase(0, 1);
      std::optional<TextSpan>& span = line.fieldSpan(Column::ExtraField);
      span = placeWithin(span, 1, extra.size());
    }
  }
}

// The space character literal =' ' was cut at its space: rejoin it.
void joinSpaceLiteral(LineFields& line) {
  const Text& text = line.text;
  if (!contains(text, U"=") || !contains(text, U"'")) return;
  const std::size_t quote = text.find(U'\'');
  const std::size_t space = text.find(U' ', quote);
  const std::size_t closing = text.find(U'\'', quote + 1);
  if (space == quote + 1 && closing == space + 1) {
    appendToOperands(line, U" '", space);
    if (startsWith(line.field(Column::ExtraField), U"'")) clearColumn(line, Column::ExtraField);
  }
}

// A ';' before any quote starts a comment: it goes to the extra column, or
// to the comment column when the extra column holds a token; the column that
// holds the ';' is cleared together with the columns after it up to the
// operand column. Only the part of the padded line within 72 characters
// counts.
void takeComment(LineFields& line, const Text& padded) {
  const std::size_t semicolon = padded.find(U';');
  const std::size_t quote = padded.find(U'\'');
  if (semicolon == npos || (quote != npos && quote < semicolon)) return;
  Text comment;
  std::optional<TextSpan> span;
  if (semicolon < maxLineLength) {
    comment = padded.substr(semicolon, maxLineLength - semicolon);
    const std::size_t end = std::min(maxLineLength - 1, line.text.size());
    span = TextSpan{semicolon - 1, end - (semicolon - 1)};
  }
  const Text& extra = line.field(Column::ExtraField);
  const Column target =
      extra != blank && !contains(extra, U";") ? Column::Comment : Column::ExtraField;
  line.field(target) = std::move(comment);
  line.fieldSpan(target) = span;
  for (auto column : {Column::Label, Column::Operation, Column::OperandField}) {
    if (!contains(line.field(column), U";")) continue;
    for (int cleared = static_cast<int>(column); cleared <= static_cast<int>(Column::OperandField);
         ++cleared) {
      clearColumn(line, static_cast<Column>(cleared));
    }
    break;
  }
}

// The operand column gets a space at its end and is cut at its first two
// commas, unless the first comma stands inside quotes; each comma-separated
// constant of a DC list without quotes becomes one operand part.
void splitOperands(LineFields& line) {
  Text& operands = line.field(Column::OperandField);
  operands += U" ";
  const std::optional<TextSpan> field = line.fieldSpan(Column::OperandField);
  const auto setPart = [&](int k, std::size_t from, std::size_t length) {
    line.operand(k) = operands.substr(from, length);
    line.operandSpan(k) = placeWithin(field, from, length);
  };
  const std::size_t comma = operands.find(U',');
  const std::size_t quote = operands.find(U'\'');
  const std::size_t closing = quote == npos ? npos : operands.find(U'\'', quote + 1);
  const bool commaInQuotes =
      comma != npos && quote != npos && closing != npos && comma > quote && comma < closing;
  if (contains(operands, U"=' '")) {
    setPart(secondOperand, operands.size() - std::min<std::size_t>(5, operands.size()), 5);
    setPart(firstOperand, 0, 3);
  } else if (comma == npos || commaInQuotes) {
    setPart(firstOperand, 0, operands.size());
  } else {
    setPart(firstOperand, 0, comma);
    const std::size_t comma2 = operands.find(U',', comma + 1);
    if (comma2 == npos) {
      const std::size_t end = operands.find(U' ', comma + 1);
      if (end == comma + 1) {
        line.operand(secondOperand) = blank;
      } else {
        setPart(secondOperand, comma + 1, end - comma - 1);
      }
    } else {
      setPart(secondOperand, comma + 1, comma2 - comma - 1);
      const std::size_t end = operands.find(U' ', comma2 + 1);
      if (end != npos) setPart(thirdOperand, comma2 + 1, end - comma2 - 1);
    }
  }
  if (line.operation.is(OperationKind::DefineConstant) && !contains(operands, U"'")) {
    const auto count =
        static_cast<std::size_t>(std::count(operands.begin(), operands.end(), U',')) + 1;
    std::size_t start = 0;
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t next = operands.find(U',', start);
      const std::size_t end = k + 1 < count ? next : operands.find(U' ', start);
      setPart(static_cast<int>(k), start, end - start);
      start = next + 1;
    }
    line.dcConstantCount = static_cast<std::int64_t>(count);
  }
}

}  // namespace

LineFields splitLine(const Text& text) {
  LineFields line;
  line.text = text;
  const Text padded = U" " + text + U" ";
  splitTokens(line, padded);
  joinQuotedString(line, padded);
  joinSpaceLiteral(line);
  takeComment(line, padded);
  line.operation = lineOperationOf(line.field(Column::Operation));
  splitOperands(line);
  return line;
}

void normaliseOperands(LineFields& line) {
  if (line.operation.syntax() == Syntax::Branch) {
    for (int k = thirdOperand; k > firstOperand; --k) {
      line.operand(k) = line.operand(k - 1);
      line.operandSpan(k) = line.operandSpan(k - 1);
    }
    line.operand(firstOperand) = blank;
    line.operandSpan(firstOperand).reset();
  }
  for (int k = firstOperand; k <= thirdOperand; ++k) {
    Text& part = line.operand(k);
    if (part.size() > 3 && endsWith(part, U" ")) part.pop_back();
  }
}

}  // namespace casl2wb
