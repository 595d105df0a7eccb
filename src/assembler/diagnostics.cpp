#include "assembler/diagnostics.h"

namespace casl2wb {

std::string Diagnostic::text() const { return formatMessage(message, arguments, true); }

std::string Diagnostic::plainText() const { return formatMessage(message, arguments, false); }

void DiagnosticLog::add(int n, const LineFields& row, LineField field, Diagnostic::Place place,
                        Message message, std::initializer_list<std::string_view> arguments) {
  Diagnostic diagnostic{n, field, row.displayColumnOf(field), place, message, {}};
  for (std::string_view argument : arguments) diagnostic.arguments.emplace_back(argument);
  diagnostics_.push_back(std::move(diagnostic));
}

void DiagnosticLog::addOfProgram(Diagnostic::Place place, Message message) {
  diagnostics_.push_back({0, LineField(), 1, place, message, {}});
}

}  // namespace casl2wb
