// Printers for the listing tests: one that keeps every call, and the text of
// one line as the text printer prints it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "documents/printer.h"
#include "documents/text_printer.h"

namespace casl2wb::printtest {

class RecordingPrinter : public Printer {
 public:
  void setFont(const std::string& name, int pointSize) override {
    calls.push_back("font " + name + " " + std::to_string(pointSize));
  }
  void printLine(const PrintLine& items) override {
    lines.push_back(items);
    calls.push_back("line");
  }
  void endDocument() override { calls.push_back("end"); }
  void printWindowImage(const WindowImage& image) override {
    calls.push_back("image " + std::to_string(image.width) + "x" + std::to_string(image.height));
  }

  std::vector<PrintLine> lines;
  std::vector<std::string> calls;
};

// What the text printer prints for the lines, one string per output line.
inline std::vector<std::string> textOf(const std::vector<PrintLine>& lines) {
  std::ostringstream out;
  TextPrinter printer(out);
  for (const PrintLine& line : lines) printer.printLine(line);
  std::vector<std::string> result;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

inline std::string textOf(const PrintLine& line) {
  const std::vector<std::string> lines = textOf(std::vector<PrintLine>{line});
  std::string text;
  for (const std::string& part : lines) text += (text.empty() ? "" : "\n") + part;
  return text;
}

}  // namespace casl2wb::printtest
