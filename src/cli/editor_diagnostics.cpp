#include "cli/editor_diagnostics.h"

#include <algorithm>
#include <map>

#include "assembler/line_splitter.h"
#include "assembler/registers.h"
#include "assembler/source_table.h"

namespace casl2wb::cli {

namespace {

constexpr std::size_t npos = Text::npos;

int columnAt(std::size_t index) { return static_cast<int>(index) + 1; }

bool isLabelCharacter(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z'); }

// The number of messages the label rules give for a text: one when it is
// longer than 8 characters, else one for every character that is not A-Z or
// 0-9.
int labelMessageCount(TextView text) {
  if (text.size() > 8) return 1;
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char32_t c) { return !isLabelCharacter(c); }));
}

// Operand parts that the check never takes for a label: literals,
// immediate values, strings and numbers.
bool mayBeTestedAsLabel(TextView part) {
  if (part.empty() || part.find(U'\'') != npos) return false;
  const char32_t first = part[0];
  return first != U'=' && first != U'#' && first != U'-' && !(first >= U'0' && first <= U'9');
}

// A field the check tests with the label rules, with the number of messages
// it is expected to give.
struct LabelField {
  int column;
  int messages;
};

// The fields of a line that the check tests with the label rules, in the
// order it tests them: the label column (for START, DC, DS, IN, OUT, the
// branch group and the instructions without operands), then the operand
// parts as they stand in the line.
std::vector<LabelField> labelFields(const SourceLine& row, const Text& text,
                                    const FieldColumns& columns) {
  std::vector<LabelField> fields;
  const Text& operation = row.field(Column::Operation);
  const std::optional<Syntax> syntax = syntaxOf(operation);
  const bool labelTested = isOneOf(operation, {U"START", U"DC", U"DS", U"IN", U"OUT", U"out"}) ||
                           syntax == Syntax::Branch || syntax == Syntax::NoOperand;
  const Text& label = row.field(Column::Label);
  if (labelTested && (operation == U"START" || label != U" ")) {
    fields.push_back({1, labelMessageCount(label)});
  }
  for (std::size_t k = 0; k < columns.operandParts.size(); ++k) {
    const auto start = static_cast<std::size_t>(columns.operandParts[k] - 1);
    std::size_t end = start;
    while (end < text.size() && text[end] != U',' && text[end] != U' ') ++end;
    const TextView part = TextView(text).substr(start, end - start);
    if (mayBeTestedAsLabel(part)) {
      fields.push_back({columns.operandParts[k], labelMessageCount(part)});
    }
  }
  return fields;
}

// The columns of the diagnostics of one line.
class LineColumns {
 public:
  LineColumns(const SourceLine& row, const Text& text)
      : columns_(fieldColumns(text)),
        branch_(syntaxOf(row.field(Column::Operation)) == Syntax::Branch),
        labelFields_(labelFields(row, text, columns_)) {}

  int columnOf(const Diagnostic& diagnostic) {
    switch (diagnostic.message) {
      case Message::LineTooLong:
        return columnAt(maxLineLength);
      case Message::NoStart:
      case Message::UnknownOperation:
        return orFirst(columns_.operation);
      case Message::OperandNotAllowed:
        return orFirst(columns_.operandField);
      case Message::StraySpace:
        return orFirst(columns_.extraField);
      case Message::FirstOperandNotRegister:
      case Message::PopOperandBad:
      case Message::DsCountBad:
        return part(1);
      case Message::SecondOperandNotAllowed:
        return part(2);
      case Message::ThirdOperandNotAllowed:
      case Message::IndexNotRegister:
        return part(3);
      // The branch group writes its address first and its index second.
      case Message::SecondOperandTooLong:
      case Message::SecondOperandBad:
        return part(branch_ ? 1 : 2);
      case Message::BranchIndexBad:
        return part(2);
      case Message::IndexGr0:
        return part(branch_ ? 2 : 3);
      case Message::LabelUndefined:
      case Message::LabelTwice: {
        // The second argument is the operand's number as the check counts
        // it, after the branch group's address moved to the second place.
        const int k = diagnostic.arguments.size() > 1 && diagnostic.arguments[1] == "2" ? 2 : 1;
        return part(branch_ && k == 2 ? 1 : k);
      }
      case Message::LabelTooLong:
      case Message::LabelBad:
        return nextLabelField();
      default:
        return 1;
    }
  }

 private:
  static int orFirst(int column) { return column > 0 ? column : 1; }

  // Operand part k (from 1) as it stands in the line, or the operand field.
  int part(int k) const {
    if (static_cast<std::size_t>(k) <= columns_.operandParts.size()) {
      return columns_.operandParts[static_cast<std::size_t>(k - 1)];
    }
    return orFirst(columns_.operandField);
  }

  // The label messages of a line come in the order of the fields tested;
  // each field takes as many as it gives.
  int nextLabelField() {
    while (nextField_ < labelFields_.size() && labelFields_[nextField_].messages == 0) ++nextField_;
    if (nextField_ == labelFields_.size()) return 1;
    LabelField& field = labelFields_[nextField_];
    --field.messages;
    return field.column;
  }

  FieldColumns columns_;
  bool branch_;
  std::vector<LabelField> labelFields_;
  std::size_t nextField_ = 0;
};

}  // namespace

FieldColumns fieldColumns(const Text& line) {
  FieldColumns columns;
  // The statement ends where a comment starts.
  std::size_t end = line.size();
  const std::size_t semicolon = line.find(U';');
  const std::size_t quote = line.find(U'\'');
  if (semicolon != npos && (quote == npos || semicolon < quote)) end = semicolon;

  std::vector<std::size_t> tokens;
  for (std::size_t i = 0; i < end;) {
    if (line[i] == U' ') {
      ++i;
      continue;
    }
    tokens.push_back(i);
    while (i < end && line[i] != U' ') ++i;
  }
  std::size_t next = 0;
  if (!tokens.empty() && tokens[0] == 0) columns.label = columnAt(tokens[next++]);
  if (next < tokens.size()) columns.operation = columnAt(tokens[next++]);
  if (next < tokens.size()) {
    const std::size_t start = tokens[next++];
    columns.operandField = columnAt(start);
    columns.operandParts.push_back(columnAt(start));
    bool quoted = false;
    for (std::size_t i = start; i < end && line[i] != U' '; ++i) {
      if (line[i] == U'\'') quoted = !quoted;
      if (line[i] == U',' && !quoted) columns.operandParts.push_back(columnAt(i + 1));
    }
  }
  if (next < tokens.size()) columns.extraField = columnAt(tokens[next]);
  return columns;
}

std::string plainMessage(std::string_view text) {
  const auto isFrame = [](char c) { return c == '*' || c == ' '; };
  std::size_t start = 0;
  while (start < text.size() && isFrame(text[start])) ++start;
  for (std::string_view word : {"ｴﾗ-", "エラー"}) {
    if (text.substr(start).starts_with(word) && start > 0) {
      start += word.size();
      while (start < text.size() && isFrame(text[start])) ++start;
      break;
    }
  }
  std::size_t end = text.size();
  while (end > start && isFrame(text[end - 1])) --end;
  return std::string(text.substr(start, end - start));
}

std::vector<EditorDiagnostic> editorDiagnostics(const AssembledProgram& program,
                                                const std::vector<Text>& lines) {
  const int linesRead =
      static_cast<int>(std::min<std::size_t>(lines.size(), SourceTable::maxLines));
  const int lastLine = std::max(linesRead, 1);
  std::map<int, LineColumns> lineColumns;
  std::vector<EditorDiagnostic> result;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    EditorDiagnostic item;
    item.message = plainMessage(diagnostic.text());
    if (diagnostic.line >= 1 && diagnostic.line <= linesRead) {
      item.line = diagnostic.line;
      auto found = lineColumns.find(item.line);
      if (found == lineColumns.end()) {
        found = lineColumns
                    .try_emplace(item.line, program.source.line(item.line),
                                 lines[static_cast<std::size_t>(item.line - 1)])
                    .first;
      }
      item.column = found->second.columnOf(diagnostic);
    } else {
      item.line = lastLine;
    }
    result.push_back(std::move(item));
  }
  std::stable_sort(result.begin(), result.end(),
                   [](const EditorDiagnostic& a, const EditorDiagnostic& b) {
                     return a.line != b.line ? a.line < b.line : a.column < b.column;
                   });
  return result;
}

void printEditorDiagnostics(const std::string& file,
                            const std::vector<EditorDiagnostic>& diagnostics, std::ostream& out) {
  for (const EditorDiagnostic& item : diagnostics) {
    out << file << ':' << item.line << ':' << item.column << ": エラー: " << item.message << '\n';
  }
}

}  // namespace casl2wb::cli
