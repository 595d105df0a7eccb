#include "documents/message_lines.h"

#include "assembler/listing_text.h"

namespace casl2wb {

std::vector<int> messageListLines(const AssembledProgram& program) {
  std::vector<int> lines;
  lines.reserve(program.listing.size());
  for (const ListingItem& item : program.listing) lines.push_back(item.line);
  return lines;
}

std::map<int, std::vector<std::string>> messagesByLine(const AssembledProgram& program) {
  std::map<int, std::vector<std::string>> messages;
  for (const ListingItem& item : program.listing) {
    if (item.line > 0 && item.diagnostic() != nullptr) {
      messages[item.line].push_back(listingText(item));
    }
  }
  return messages;
}

}  // namespace casl2wb
