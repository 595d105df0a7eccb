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
  program.linesRead = checkProgram(lines, program.source, log, carry_);
  const int checkErrors = log.count();
  Translation translation;
  if (checkErrors == 0) {
    translation = translate(program.source, program.image, log);
    program.translated = true;
    program.traceText = translation.traceText;
    program.wordOrigins = std::move(translation.wordOrigins);
  }
  program.diagnostics = log.all();
  program.errorCount = log.count();
  program.run = runParametersOf(program.source);
  program.outputSize = carry_.outputSize;
  program.listing = listingItems(program.source, program.linesRead, program.diagnostics,
                                 checkErrors, std::move(translation.dump));
  return program;
}

}  // namespace casl2wb
