#include "assembler/listing_items.h"

#include <cstddef>

namespace casl2wb {

ListingItem::Kind ListingItem::kind() const {
  if (std::holds_alternative<ListedLine>(payload)) return Kind::Line;
  if (std::holds_alternative<CheckErrorCount>(payload)) return Kind::ErrorCount;
  if (std::holds_alternative<DumpRow>(payload)) return Kind::DumpRow;
  switch (std::get<Diagnostic>(payload).place) {
    case Diagnostic::Place::BeforeLine:
      return Kind::CutMessage;
    case Diagnostic::Place::AfterLine:
      return Kind::StatementMessage;
    case Diagnostic::Place::AfterLines:
      return Kind::ProgramMessage;
    case Diagnostic::Place::AfterTranslation:
      break;
  }
  return Kind::TranslationMessage;
}

std::vector<ListingItem> listingItems(const SourceTable& source, int linesRead,
                                      const std::vector<Diagnostic>& diagnostics, int checkErrors,
                                      std::vector<DumpRow> dump) {
  const auto rows = static_cast<std::size_t>(linesRead) + 1;
  std::vector<std::vector<const Diagnostic*>> before(rows);
  std::vector<std::vector<const Diagnostic*>> after(rows);
  std::vector<const Diagnostic*> afterLines;
  std::vector<const Diagnostic*> afterTranslation;
  for (const Diagnostic& diagnostic : diagnostics) {
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
  std::vector<ListingItem> items;
  items.reserve(rows + diagnostics.size() + dump.size());
  // A message of the program as a whole belongs to the last line read.
  const auto addMessage = [&](const Diagnostic* diagnostic) {
    items.push_back({diagnostic->line > 0 ? diagnostic->line : linesRead, *diagnostic});
  };
  for (int n = 1; n <= linesRead; ++n) {
    const auto row = static_cast<std::size_t>(n);
    for (const Diagnostic* diagnostic : before[row]) addMessage(diagnostic);
    const SourceLine& line = source.line(n);
    items.push_back({n, ListedLine{line.address, line.fields}});
    for (const Diagnostic* diagnostic : after[row]) addMessage(diagnostic);
  }
  for (const Diagnostic* diagnostic : afterLines) addMessage(diagnostic);
  items.push_back({0, CheckErrorCount{checkErrors}});
  for (const Diagnostic* diagnostic : afterTranslation) addMessage(diagnostic);
  for (DumpRow& row : dump) items.push_back({0, std::move(row)});
  return items;
}

}  // namespace casl2wb
