// The texts of the message list, made from its items: what the editor's
// list, the text front end's check and the errors before a run show.
#pragma once

#include <string>
#include <vector>

#include "assembler/listing_items.h"

namespace casl2wb {

// The text of one item (UTF-8): a listing line as
// address|reserved|label|operation|operand field|extra field|comment,
// a message with its banner, the error count, or a dump row of eight
// "address  word" cells.
std::string listingText(const ListingItem& item);

// The text of every item, in order.
std::vector<std::string> listingTexts(const std::vector<ListingItem>& items);

}  // namespace casl2wb
