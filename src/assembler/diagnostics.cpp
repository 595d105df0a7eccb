#include "assembler/diagnostics.h"

namespace casl2wb {

std::string Diagnostic::text() const {
  switch (arguments.size()) {
    case 0:
      return formatMessage(message);
    case 1:
      return formatMessage(message, {arguments[0]});
    case 2:
      return formatMessage(message, {arguments[0], arguments[1]});
    default:
      return formatMessage(message, {arguments[0], arguments[1], arguments[2]});
  }
}

void DiagnosticLog::add(int line, Diagnostic::Place place, Message message,
                        std::initializer_list<std::string_view> arguments) {
  Diagnostic diagnostic{line, place, message, {}};
  for (std::string_view argument : arguments) diagnostic.arguments.emplace_back(argument);
  diagnostics_.push_back(std::move(diagnostic));
}

}  // namespace casl2wb
