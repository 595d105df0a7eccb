#include "assembler/assembler.h"

#include <algorithm>

#include "assembler/translator.h"

namespace casl2wb {

namespace {

bool isDigits(TextView text) {
  return std::all_of(text.begin(), text.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

// A label on a line without an address stands for the next statement.
std::int64_t startAddressOf(const SourceTable& source) {
  const SourceLine& first = source.line(1);
  if (!first.operation.is(OperationKind::Start)) return 0;
  if (isOneOf(first.field(Column::OperandField), {U" ", U"  "})) return 0;
  const Text& entry = first.operand(firstOperand);
  for (int n = 1; n <= 256 && n <= SourceTable::maxLines; ++n) {
    if (source.line(n).label != entry) continue;
    for (int line = n; line <= source.lineCount; ++line) {
      if (!source.line(line).address.isNone()) return source.line(line).address.value();
    }
    return source.line(n).address.value();
  }
  return 0;  // no such label: the run starts at address 0
}

// The listing line of every line read, each with the messages found while
// cutting it before it and those of its statement after it; then the
// messages of the program as a whole and the error count; after a
// translation its messages and the memory dump.
std::vector<std::string> messageList(const AssembledProgram& program, int linesRead,
                                     int checkErrors, const std::vector<std::string>& dump) {
  std::vector<std::vector<const Diagnostic*>> before(static_cast<std::size_t>(linesRead) + 1);
  std::vector<std::vector<const Diagnostic*>> after(static_cast<std::size_t>(linesRead) + 1);
  std::vector<const Diagnostic*> afterLines;
  std::vector<const Diagnostic*> afterTranslation;
  for (const Diagnostic& diagnostic : program.diagnostics) {
    const auto line = static_cast<std::size_t>(diagnostic.line);
    switch (diagnostic.place) {
      case Diagnostic::Place::BeforeLine:
        before.at(line).push_back(&diagnostic);
        break;
      case Diagnostic::Place::AfterLine:
        after.at(line).push_back(&diagnostic);
        break;
      case Diagnostic::Place::AfterLines:
        afterLines.push_back(&diagnostic);
        break;
      case Diagnostic::Place::AfterTranslation:
        afterTranslation.push_back(&diagnostic);
        break;
    }
  }
  std::vector<std::string> items;
  for (int n = 1; n <= linesRead; ++n) {
    for (const Diagnostic* diagnostic : before[static_cast<std::size_t>(n)]) {
      items.push_back(diagnostic->text());
    }
    items.push_back(lineListItem(program.source, n));
    for (const Diagnostic* diagnostic : after[static_cast<std::size_t>(n)]) {
      items.push_back(diagnostic->text());
    }
  }
  for (const Diagnostic* diagnostic : afterLines) items.push_back(diagnostic->text());
  items.push_back(checkErrors == 0
                      ? formatMessage(Message::NoErrors)
                      : formatMessage(Message::ErrorTotal, {std::to_string(checkErrors)}));
  for (const Diagnostic* diagnostic : afterTranslation) items.push_back(diagnostic->text());
  items.insert(items.end(), dump.begin(), dump.end());
  return items;
}

}  // namespace

RunParameters runParametersOf(const SourceTable& source) {
  RunParameters parameters;
  const Text& field = source.line(1).field(Column::ExtraField);
  if (const std::size_t at = field.find(U"LMT"); at != Text::npos) {
    const Text digits = field.substr(at + 3, 5);
    if (digits.size() < 5 || !isDigits(digits)) {
      parameters.passLimitMalformed = true;
    } else {
      parameters.passLimit = std::stoll(toUtf8(digits));
    }
  }
  parameters.extendedMemory = contains(field, U"MEX");
  parameters.startAddress = startAddressOf(source);
  return parameters;
}

AssembledProgram Assembler::assemble(const std::vector<Text>& lines, const MemoryImage& image) {
  AssembledProgram program;
  program.image = image;
  program.image.resetForCheck();
  DiagnosticLog log;
  const int linesRead = checkProgram(lines, program.source, log, carry_);
  const int checkErrors = log.count();
  Translation translation;
  if (checkErrors == 0) {
    translation = translate(program.source, program.image, log);
    program.translated = true;
    program.traceText = translation.traceText;
  }
  program.diagnostics = log.all();
  program.errorCount = log.count();
  program.run = runParametersOf(program.source);
  program.outputSize = carry_.outputSize;
  program.messages = messageList(program, linesRead, checkErrors, translation.dumpLines);
  return program;
}

}  // namespace casl2wb
