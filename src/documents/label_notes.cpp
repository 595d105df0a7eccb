#include "documents/label_notes.h"

#include "comet2/word.h"
#include "documents/step_changes.h"

namespace casl2wb {

std::map<int, std::string> labelNotes(
    const std::map<std::int64_t, std::vector<std::string>>& labels, int first, int rows,
    std::int64_t highestAddress) {
  std::map<int, std::string> notes;
  for (const auto& [address, names] : labels) {
    if (address < 0 || address > highestAddress) continue;
    const int row = first + memoryListItemOf(static_cast<int>(address)) - 1;
    if (row >= rows) continue;
    for (const std::string& name : names) {
      std::string& note = notes[row];
      if (!note.empty()) note += ' ';
      note += name + "=" + Word::of(address).text();
    }
  }
  return notes;
}

}  // namespace casl2wb
