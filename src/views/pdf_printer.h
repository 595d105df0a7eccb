// The listings written to a PDF file: A4 pages in the layout of
// listingPageLayout(), printed by a QtPrinter. Needs a QGuiApplication.
#pragma once

#include <QFile>
#include <QPdfWriter>
#include <QString>

#include "printing/printer.h"
#include "views/qt_printer.h"

namespace casl2wb {

class PdfPrinter : public Printer {
 public:
  // Opens (creates or truncates) the file; see isOpen().
  explicit PdfPrinter(const QString& path);

  bool isOpen() const { return opened_; }
  // Why the file could not be opened or written.
  QString errorString() const { return file_.errorString(); }
  // False when the file could not be opened, painted on or written.
  bool ok() const { return opened_ && printer_.ok() && file_.error() == QFileDevice::NoError; }
  int pageCount() const { return printer_.pageCount(); }

  void setFont(const std::string& name, int pointSize) override;
  void printLine(const PrintLine& items) override;
  // Ends the document and closes the file: one document per file.
  void endDocument() override;
  void printWindowImage(const WindowImage& image) override;

 private:
  QFile file_;
  bool opened_ = false;
  QPdfWriter writer_;
  QtPrinter printer_;
};

}  // namespace casl2wb
