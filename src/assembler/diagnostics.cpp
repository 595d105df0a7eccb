#include "assembler/diagnostics.h"

namespace casl2wb {

namespace {

using Formatter = std::string (*)(Message, std::initializer_list<std::string_view>);

std::string filledIn(const Diagnostic& diagnostic, Formatter format) {
  const std::vector<std::string>& a = diagnostic.arguments;
  switch (a.size()) {
    case 0:
      return format(diagnostic.message, {});
    case 1:
      return format(diagnostic.message, {a[0]});
    case 2:
      return format(diagnostic.message, {a[0], a[1]});
    default:
      return format(diagnostic.message, {a[0], a[1], a[2]});
  }
}

}  // namespace

std::string Diagnostic::text() const { return filledIn(*this, formatMessage); }

std::string Diagnostic::plainText() const { return filledIn(*this, formatPlainMessage); }

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
