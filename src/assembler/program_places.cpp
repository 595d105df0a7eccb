#include "assembler/program_places.h"

#include <algorithm>

#include "assembler/label_addresses.h"
#include "base/text.h"

namespace casl2wb {

std::vector<int> linesByAddress(const SourceTable& table) {
  std::vector<int> lines(static_cast<std::size_t>(std::max<std::int64_t>(table.programEnd, 0)), 0);
  for (int n = 1; n <= table.lineCount; ++n) {
    const SourceLine& line = table.line(n);
    if (!line.address.hasValue()) continue;
    const std::size_t address = line.address.value();
    if (address < lines.size()) lines[address] = n;
  }
  return lines;
}

int lineAtAddress(const std::vector<int>& lines, std::int64_t address) {
  if (address < 0 || static_cast<std::size_t>(address) >= lines.size()) return 0;
  return lines[static_cast<std::size_t>(address)];
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
