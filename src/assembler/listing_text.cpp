#include "assembler/listing_text.h"

#include <variant>

namespace casl2wb {

namespace {

std::string textOf(const ListedLine& line) {
  std::size_t length = line.fields.size() + 4;
  for (const Text& field : line.fields) length += field.size();
  std::string text;
  text.reserve(length);
  appendUtf8(text, line.address.text());
  for (const Text& field : line.fields) {
    text += '|';
    appendUtf8(text, field);
  }
  return text;
}

std::string textOf(const Diagnostic& diagnostic) { return diagnostic.text(); }

std::string textOf(const CheckErrorCount& errors) {
  return errors.count == 0 ? formatMessage(Message::NoErrors)
                           : formatMessage(Message::ErrorTotal, {std::to_string(errors.count)});
}

std::string textOf(const DumpRow& row) {
  std::string text;
  for (std::size_t k = 0; k < row.cells.size(); ++k) {
    const DumpCell& cell = row.cells[k];
    if (k > 0) text += "  ";
    text += cell.address;
    text += "  ";
    text += cell.word.text();
  }
  return text;
}

}  // namespace

std::string listingText(const ListingItem& item) {
  return std::visit([](const auto& payload) { return textOf(payload); }, item.payload);
}

std::vector<std::string> listingTexts(const std::vector<ListingItem>& items) {
  std::vector<std::string> texts;
  texts.reserve(items.size());
  for (const ListingItem& item : items) texts.push_back(listingText(item));
  return texts;
}

}  // namespace casl2wb
