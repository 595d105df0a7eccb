#include "web/page_printer.h"

namespace casl2wb::web {

void PagePrinter::setFont(const std::string& name, int pointSize) {
  document_["font"] = name;
  pointSize_ = pointSize;
}

void PagePrinter::printLine(const PrintLine& items) {
  text_.str({});
  lines_.printLine(items);
  // A column the line has passed goes on in a line of its own.
  std::istringstream made(text_.str());
  for (std::string line; std::getline(made, line);) {
    document_["lines"].push_back({{"text", line}, {"size", pointSize_}});
  }
}

}  // namespace casl2wb::web
