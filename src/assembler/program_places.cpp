#include "assembler/program_places.h"

#include "assembler/label_addresses.h"
#include "base/text.h"

namespace casl2wb {

int lineAtAddress(const std::vector<WordOrigin>& origins, std::int64_t address) {
  if (address < 0 || static_cast<std::size_t>(address) >= origins.size()) return 0;
  const WordOrigin& origin = origins[static_cast<std::size_t>(address)];
  return origin.statementStart ? origin.line : 0;
}

std::map<std::int64_t, std::vector<std::string>> labelsByAddress(const SourceTable& table) {
  const LabelAddresses addresses(table);
  std::map<std::int64_t, std::vector<std::string>> labels;
  for (int n = 1; n <= table.lineCount; ++n) {
    const Text& label = table.line(n).field(Column::Label);
    if (label == U" " || label.empty()) continue;
    // A label written twice stands for its first line only.
    if (addresses.lineOf(label) != n) continue;
    labels[addresses.addressOfLine(n)].push_back(toUtf8(label));
  }
  return labels;
}

}  // namespace casl2wb
