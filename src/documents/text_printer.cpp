#include "documents/text_printer.h"

#include <algorithm>

namespace casl2wb {

void TextPrinter::setFont(const std::string&, int) {}

void TextPrinter::printLine(const PrintLine& items) {
  for (const PrintItem& item : items) {
    switch (item.kind) {
      case PrintItem::Kind::String:
        line_ += fromUtf8(item.utf8);
        break;
      case PrintItem::Kind::Spaces:
        line_.append(static_cast<std::size_t>(std::max(item.count, 0)), U' ');
        break;
      case PrintItem::Kind::Column: {
        // The next character goes to position size + 1.
        const std::size_t column = static_cast<std::size_t>(std::max(item.count, 1));
        if (line_.size() + 1 > column) breakLine();
        line_.append(column - 1 - line_.size(), U' ');
        break;
      }
    }
  }
  breakLine();
}

void TextPrinter::endDocument() { out_.flush(); }

void TextPrinter::printWindowImage(const WindowImage&) {
  printLine({PrintItem::text("[window image]")});
}

void TextPrinter::breakLine() {
  const std::size_t end = line_.find_last_not_of(U' ');
  line_.erase(end == Text::npos ? 0 : end + 1);
  out_ << toUtf8(line_) << '\n';
  line_.clear();
}

}  // namespace casl2wb
