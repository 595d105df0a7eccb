#include "qtprint/qt_printer.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include "documents/listings.h"
#include "qtprint/font_choice.h"

namespace casl2wb {

QPageLayout listingPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6, 10, 6, 10),
                     QPageLayout::Millimeter);
}

namespace {

QFont listingFont(int pointSize) {
  QFont font = fixedPitchFont(pointSize);
  font.setKerning(false);
  return font;
}

}  // namespace

QtPrinter::QtPrinter(QPagedPaintDevice& device)
    : device_(device), font_(listingFont(defaultPointSize)) {}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::setFont(const std::string& name, int pointSize) {
  if (name == listingFontName) {
    font_ = listingFont(pointSize);
  } else {
    font_ = QFont(QString::fromStdString(name), pointSize);
  }
  if (painter_.isActive()) painter_.setFont(font_);
}

void QtPrinter::printLine(const PrintLine& items) {
  if (!begin()) return;
  startLine();
  const QFontMetricsF metrics(font_, &device_);
  const double advance = columnAdvance();
  for (const PrintItem& item : items) {
    switch (item.kind) {
      case PrintItem::Kind::String:
        if (!item.utf8.empty()) {
          const QString text = QString::fromStdString(item.utf8);
          painter_.drawText(QPointF(x_, y_ + metrics.ascent()), text);
          x_ += metrics.horizontalAdvance(text);
        }
        break;
      case PrintItem::Kind::Spaces:
        x_ += advance * std::max(item.count, 0);
        break;
      case PrintItem::Kind::Column: {
        const double column = advance * (std::max(item.count, 1) - 1);
        if (x_ > column + advance / 100) {
          y_ += lineSpacing();
          startLine();
        }
        x_ = column;
        break;
      }
    }
  }
  y_ += lineSpacing();
  x_ = 0;
}

void QtPrinter::endDocument() {
  if (!begin()) return;
  painter_.end();
}

void QtPrinter::printWindowImage(const WindowImage& image) {
  if (!begin()) return;
  if (y_ > 0) newPage();
  if (image.width > 0 && image.height > 0 &&
      image.pixels.size() >= static_cast<std::size_t>(image.width) * image.height) {
    const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                         image.height, image.width * 4, QImage::Format_ARGB32);
    const QSizeF page(device_.width(), device_.height());
    const QSizeF size = QSizeF(picture.size()).scaled(page, Qt::KeepAspectRatio);
    painter_.drawImage(QRectF(QPointF(0, 0), size), picture);
  }
  // The image has the page to itself.
  y_ = device_.height();
  x_ = 0;
}

bool QtPrinter::begin() {
  if (painter_.isActive()) return true;
  if (!painter_.begin(&device_)) {
    failed_ = true;
    return false;
  }
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
  pageCount_ = 1;
  x_ = 0;
  y_ = 0;
  return true;
}

void QtPrinter::startLine() {
  if (y_ > 0 && y_ + lineSpacing() > device_.height()) newPage();
  x_ = 0;
}

void QtPrinter::newPage() {
  device_.newPage();
  ++pageCount_;
  y_ = 0;
}

double QtPrinter::lineSpacing() const { return QFontMetricsF(font_, &device_).lineSpacing(); }

double QtPrinter::columnAdvance() const {
  return QFontMetricsF(font_, &device_).horizontalAdvance(QChar(u'0'));
}

WindowImage toWindowImage(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  WindowImage result{argb.width(), argb.height(), {}};
  result.pixels.reserve(static_cast<std::size_t>(argb.width()) * argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    result.pixels.insert(result.pixels.end(), row, row + argb.width());
  }
  return result;
}

}  // namespace casl2wb
