// The printer the listings print on: a font, lines made of items, the end of
// a document and the image of a window. Pages break by themselves when full.
//
// A line is a list of items: a text, a column position or a space count.
// Column n (counted from 1) moves the print position to column n of the
// current line; when the position is already past column n, printing goes on
// at column n of the next line. Each back end decides what a column is on its
// medium (a character position, or n - 1 character advances of the font).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace casl2wb {

struct PrintItem {
  enum class Kind { String, Column, Spaces };

  static PrintItem text(std::string utf8) { return {Kind::String, std::move(utf8), 0}; }
  static PrintItem column(int n) { return {Kind::Column, {}, n}; }
  static PrintItem spaces(int count) { return {Kind::Spaces, {}, count}; }

  Kind kind = Kind::String;
  std::string utf8;  // the text; a text that holds nothing prints nothing
  int count = 0;     // the column, or the number of spaces

  bool operator==(const PrintItem&) const = default;
};

using PrintLine = std::vector<PrintItem>;

// A window as the screen shows it: row-major pixels 0xAARRGGBB.
struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // The font of the lines that follow, by name and size in points.
  virtual void setFont(const std::string& name, int pointSize) = 0;
  // Prints the items of one line, then ends the line.
  virtual void printLine(const PrintLine& items) = 0;
  // Releases the pages printed so far as one document.
  virtual void endDocument() = 0;
  // Prints the image of a window on a page of its own.
  virtual void printWindowImage(const WindowImage& image) = 0;
};

}  // namespace casl2wb
