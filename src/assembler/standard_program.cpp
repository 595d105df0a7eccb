#include "assembler/standard_program.h"

namespace casl2wb::standard {

std::string Diagnostic::text() const { return formatMessage(message, arguments, true); }

std::string Diagnostic::plainText() const { return formatMessage(message, arguments, false); }

std::optional<std::uint16_t> Program::addressOf(TextView label) const {
  if (!units.empty()) {
    const auto& first = units.front().labels;
    if (const auto found = first.find(Text(label)); found != first.end()) return found->second;
  }
  for (const Unit& unit : units) {
    if (unit.name == label) return unit.entry;
  }
  return std::nullopt;
}

std::optional<SourcePlace> Program::lineAt(std::int64_t address) const {
  if (address < 0 || address >= static_cast<std::int64_t>(origins.size())) return std::nullopt;
  return origins[static_cast<std::size_t>(address)];
}

}  // namespace casl2wb::standard
