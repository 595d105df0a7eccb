// The listings printed on a Qt paged device: a printer (QPrinter) or a PDF
// file (QPdfWriter). The font asked for as "MS ゴシック" prints in the
// installed fixed-pitch font; until a document sets a font, the fixed-pitch
// font at 9 points is used. Column n lies n - 1 character advances of the
// font from the left edge of the printable area; text is placed by its real
// width, so a full-width character takes two columns. A line that does not
// fit below the last one starts a new page.
#pragma once

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "documents/printer.h"

namespace casl2wb {

// A4 portrait with 6 mm left and right and 10 mm top and bottom margins:
// 198 mm of line width, room for 124 columns at 9 points and 112 at 10.
QPageLayout listingPageLayout();

class QtPrinter : public Printer {
 public:
  static constexpr int defaultPointSize = 9;

  // Prints on the device with the page layout it has.
  explicit QtPrinter(QPagedPaintDevice& device);
  ~QtPrinter() override;

  void setFont(const std::string& name, int pointSize) override;
  void printLine(const PrintLine& items) override;
  void endDocument() override;
  void printWindowImage(const WindowImage& image) override;

  // False when the device could not be opened for painting.
  bool ok() const { return !failed_; }
  // Pages of the document under way, or of the last one ended.
  int pageCount() const { return pageCount_; }

 private:
  bool begin();
  // Makes sure the line at y_ fits on the page, starting a new page if not.
  void startLine();
  void newPage();
  double lineSpacing() const;
  double columnAdvance() const;

  QPagedPaintDevice& device_;
  QPainter painter_;
  QFont font_;
  bool failed_ = false;
  int pageCount_ = 0;
  double x_ = 0;  // device units from the left of the printable area
  double y_ = 0;  // top of the current line
};

// The pixels of a window, for printWindowImage.
WindowImage toWindowImage(const QImage& image);

}  // namespace casl2wb
