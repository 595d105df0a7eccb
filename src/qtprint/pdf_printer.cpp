#include "qtprint/pdf_printer.h"

namespace casl2wb {

PdfPrinter::PdfPrinter(const std::string& path, const QPageLayout& layout)
    : replacement_(path), writer_(&file_), printer_(writer_) {
  opened_ = replacement_.begin() && file_.open(replacement_.descriptor(), QIODevice::WriteOnly,
                                               QFileDevice::DontCloseHandle);
  writer_.setPageLayout(layout);
  writer_.setCreator(QStringLiteral("casl2wb"));
}

QString PdfPrinter::errorString() const {
  if (!replacement_.error().empty()) return QString::fromStdString(replacement_.error());
  return file_.errorString();
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
  const bool written = file_.flush() && file_.error() == QFileDevice::NoError && printer_.ok();
  file_.close();
  done_ = written && replacement_.commit();
}

void PdfPrinter::printWindowImage(const WindowImage& image) {
  if (file_.isOpen()) printer_.printWindowImage(image);
}

}  // namespace casl2wb
