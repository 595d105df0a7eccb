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

// The padded line " text " cut at its spaces: a line that starts with a
// character (not a space) begins with its label; at most four tokens go
// into the label, operation, operand and extra columns.
void splitTokens(SourceLine& line, const Text& padded) {
  std::size_t at = firstNonSpace(padded, 0);
  auto column = static_cast<int>(at == 1 ? Column::Label : Column::Operation);
  for (; column <= static_cast<int>(Column::ExtraField); ++column) {
    at = firstNonSpace(padded, at);
    if (at == padded.size()) break;
    const std::size_t end = padded.find(U' ', at);
    line.field(static_cast<Column>(column)) = padded.substr(at, end - at);
    at = end;
  }
}

// A quoted DC string with a space in it was cut at that space: the rest of
// it, up to the closing quote, goes back into the operand column.
void joinQuotedString(SourceLine& line, const Text& text, const Text& padded) {
  if (!contains(text, U"DC") || !contains(text, U"'")) return;
  const std::size_t quote = padded.find(U'\'');
  const std::size_t space = padded.find(U' ', quote);
  const std::size_t closing = padded.find(U'\'', quote + 1);
  if (space != npos && closing != npos && space < closing) {
    line.field(Column::OperandField) += padded.substr(space, closing - space + 1);
    Text& extra = line.field(Column::ExtraField);
    if (startsWith(extra, U"'")) extra.erase(0, 1);
  }
}

// The space character literal =' ' was cut at its space: rejoin it.
void joinSpaceLiteral(SourceLine& line, const Text& text) {
  if (!contains(text, U"=") || !contains(text, U"'")) return;
  const std::size_t quote = text.find(U'\'');
  const std::size_t space = text.find(U' ', quote);
  const std::size_t closing = text.find(U'\'', quote + 1);
  if (space == quote + 1 && closing == space + 1) {
    line.field(Column::OperandField) += U" '";
    Text& extra = line.field(Column::ExtraField);
    if (startsWith(extra, U"'")) extra = blank;
  }
}

// A ';' before any quote starts a comment: it goes to the extra column, or
// to the comment column when the extra column holds a token; the column that
// holds the ';' is cleared together with the columns after it up to the
// operand column. Only the part of the padded line within 72 characters
// counts.
void takeComment(SourceLine& line, const Text& padded) {
  const std::size_t semicolon = padded.find(U';');
  const std::size_t quote = padded.find(U'\'');
  if (semicolon == npos || (quote != npos && quote < semicolon)) return;
  const Text comment =
      semicolon < maxLineLength ? padded.substr(semicolon, maxLineLength - semicolon) : Text();
  Text& extra = line.field(Column::ExtraField);
  if (extra != blank && !contains(extra, U";")) {
    line.field(Column::Comment) = comment;
  } else {
    extra = comment;
  }
  for (auto column : {Column::Label, Column::Operation, Column::OperandField}) {
    if (!contains(line.field(column), U";")) continue;
    for (int cleared = static_cast<int>(column); cleared <= static_cast<int>(Column::OperandField);
         ++cleared) {
      line.field(static_cast<Column>(cleared)) = blank;
    }
    break;
  }
}

// Each comma-separated constant of a DC list becomes one operand part.
void splitConstants(SourceLine& line, const Text& operands, std::int64_t& dcConstantCount) {
  const auto count =
      static_cast<std::size_t>(std::count(operands.begin(), operands.end(), U',')) + 1;
  std::size_t start = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t comma = operands.find(U',', start);
    const std::size_t end = k + 1 < count ? comma : operands.find(U' ', start);
    line.operand(static_cast<int>(k)) = operands.substr(start, end - start);
    start = comma + 1;
  }
  dcConstantCount = static_cast<std::int64_t>(count);
}

// The operand column gets a space at its end and is cut at its first two
// commas, unless the first comma stands inside quotes.
void splitOperands(SourceLine& line, std::int64_t& dcConstantCount) {
  Text& operands = line.field(Column::OperandField);
  operands += U" ";
  const std::size_t comma = operands.find(U',');
  const std::size_t quote = operands.find(U'\'');
  const std::size_t closing = quote == npos ? npos : operands.find(U'\'', quote + 1);
  const bool commaInQuotes =
      comma != npos && quote != npos && closing != npos && comma > quote && comma < closing;
  if (contains(operands, U"=' '")) {
    line.operand(secondOperand) =
        operands.substr(operands.size() - std::min<std::size_t>(5, operands.size()));
    line.operand(firstOperand) = operands.substr(0, 3);
  } else if (comma == npos || commaInQuotes) {
    line.operand(firstOperand) = operands;
  } else {
    line.operand(firstOperand) = operands.substr(0, comma);
    const std::size_t comma2 = operands.find(U',', comma + 1);
    if (comma2 == npos) {
      const std::size_t end = operands.find(U' ', comma + 1);
      line.operand(secondOperand) =
          end == comma + 1 ? blank : operands.substr(comma + 1, end - comma - 1);
    } else {
      line.operand(secondOperand) = operands.substr(comma + 1, comma2 - comma - 1);
      const std::size_t end = operands.find(U' ', comma2 + 1);
      if (end != npos) line.operand(thirdOperand) = operands.substr(comma2 + 1, end - comma2 - 1);
    }
  }
  if (line.field(Column::Operation) == U"DC" && !contains(operands, U"'")) {
    splitConstants(line, operands, dcConstantCount);
  }
}

}  // namespace

void splitLine(SourceLine& line, const Text& text, std::int64_t& dcConstantCount) {
  for (auto column : {Column::Reserved, Column::Label, Column::Operation, Column::OperandField,
                      Column::ExtraField}) {
    line.field(column) = blank;
  }
  const Text padded = U" " + text + U" ";
  splitTokens(line, padded);
  joinQuotedString(line, text, padded);
  joinSpaceLiteral(line, text);
  takeComment(line, padded);
  splitOperands(line, dcConstantCount);
}

void normaliseOperands(SourceLine& line) {
  if (syntaxOf(line.field(Column::Operation)) == Syntax::Branch) {
    line.operand(thirdOperand) = line.operand(secondOperand);
    line.operand(secondOperand) = line.operand(firstOperand);
    line.operand(firstOperand) = blank;
  }
  for (int k = firstOperand; k <= thirdOperand; ++k) {
    Text& part = line.operand(k);
    if (part.size() > 3 && endsWith(part, U" ")) part.pop_back();
  }
}

}  // namespace casl2wb
