#include "views/pdf_printer.h"

namespace casl2wb {

PdfPrinter::PdfPrinter(const QString& path) : file_(path), writer_(&file_), printer_(writer_) {
  opened_ = file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
  writer_.setPageLayout(listingPageLayout());
  writer_.setCreator(QStringLiteral("casl2wb"));
}

void PdfPrinter::setFont(const std::string& name, int pointSize) {
  printer_.setFont(name, pointSize);
}

void PdfPrinter::printLine(const PrintLine& items) {
  if (file_.isOpen()) printer_.printLine(items);
}

void PdfPrinter::endDocument() {
  if (!file_.isOpen()) return;
  printer_.endDocument();
  file_.close();
}

void PdfPrinter::printWindowImage(const WindowImage& image) {
  if (file_.isOpen()) printer_.printWindowImage(image);
}

}  // namespace casl2wb
