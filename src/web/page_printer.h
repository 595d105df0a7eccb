// The printed documents for the browser's print: each line as the text
// printer makes it (columns as character positions), with the font size it
// is printed in; the browser breaks the pages.
#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "documents/printer.h"
#include "documents/text_printer.h"

namespace casl2wb::web {

class PagePrinter : public Printer {
 public:
  void setFont(const std::string& name, int pointSize) override;
  void printLine(const PrintLine& items) override;
  void endDocument() override {}
  void printWindowImage(const WindowImage&) override {}

  // {font, lines: [{text, size}]}
  const nlohmann::json& document() const { return document_; }

 private:
  std::ostringstream text_;
  TextPrinter lines_{text_};
  int pointSize_ = 10;
  nlohmann::json document_ = {{"font", ""}, {"lines", nlohmann::json::array()}};
};

}  // namespace casl2wb::web
