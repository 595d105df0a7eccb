// A printer that writes the listings as plain text: column n is character
// position n of the line, counted in characters; a column the line has
// already passed continues at that position of the next line. Trailing
// blanks are left out, fonts and page breaks are not shown, and the window
// image is a line "[window image]". Output is UTF-8 with LF line ends.
#pragma once

#include <ostream>
#include <string>

#include "base/text.h"
#include "documents/printer.h"

namespace casl2wb {

class TextPrinter : public Printer {
 public:
  explicit TextPrinter(std::ostream& out) : out_(out) {}

  void setFont(const std::string& name, int pointSize) override;
  void printLine(const PrintLine& items) override;
  void endDocument() override;
  void printWindowImage(const WindowImage& image) override;

 private:
  // Writes the line without its trailing blanks and starts an empty one.
  void breakLine();

  std::ostream& out_;
  Text line_;
};

}  // namespace casl2wb
