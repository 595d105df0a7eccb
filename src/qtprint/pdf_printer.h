// The listings written to a PDF file: A4 pages (in the layout of
// listingPageLayout() unless another is given), printed by a QtPrinter into
// a temporary file that replaces the file only when the whole document has
// been written (FileReplacement). Needs a QGuiApplication.
#pragma once

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QString>
#include <string>

#include "base/file_replacement.h"
#include "documents/printer.h"
#include "qtprint/qt_printer.h"

namespace casl2wb {

class PdfPrinter : public Printer {
 public:
  // Starts the temporary file beside `path`; see isOpen().
  explicit PdfPrinter(const std::string& path, const QPageLayout& layout = listingPageLayout());

  bool isOpen() const { return opened_; }
  // Why the file could not be made, written or put in place.
  QString errorString() const;
  // True once endDocument has put the complete file in place.
  bool ok() const { return done_; }
  int pageCount() const { return printer_.pageCount(); }

  void setFont(const std::string& name, int pointSize) override;
  void printLine(const PrintLine& items) override;
  // Ends the document and replaces the file with it: one document per file.
  void endDocument() override;
  void printWindowImage(const WindowImage& image) override;

 private:
  FileReplacement replacement_;
  QFile file_;
  bool opened_ = false;
  bool done_ = false;
  QPdfWriter writer_;
  QtPrinter printer_;
};

}  // namespace casl2wb
