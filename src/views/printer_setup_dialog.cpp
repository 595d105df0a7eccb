#include "views/printer_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "views/dialog_texts.h"
#include "views/object_names.h"

namespace casl2wb {
namespace {

namespace texts = dialog_texts;
namespace names = object_names;

QString utf8(const char* text) { return QString::fromUtf8(text); }

// The sizes offered for a PDF file, and for a printer that names none.
std::vector<QPageSize> commonPageSizes() {
  std::vector<QPageSize> sizes;
  for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::B4,
                                         QPageSize::B5, QPageSize::Letter, QPageSize::Legal}) {
    sizes.emplace_back(id);
  }
  return sizes;
}

}  // namespace

PrinterSetupDialog::PrinterSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setObjectName(QString::fromLatin1(names::printerSetupDialog));
  setWindowTitle(utf8(texts::printerSetupCaption));

  // The printers of the system, then a PDF file (an entry without a name).
  printerList_ = new QComboBox;
  printerList_->setObjectName(QString::fromLatin1(names::printerNameList));
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    printerList_->addItem(name, name);
  printerList_->addItem(utf8(texts::pdfFileEntry), QString());
  int current = printerList_->count() - 1;
  if (printer.outputFormat() == QPrinter::NativeFormat) {
    const int named = printerList_->findData(printer.printerName());
    if (named >= 0) current = named;
  }
  printerList_->setCurrentIndex(current);

  paperList_ = new QComboBox;
  paperList_->setObjectName(QString::fromLatin1(names::paperSizeList));
  portraitButton_ = new QRadioButton(utf8(texts::portraitButton));
  portraitButton_->setObjectName(QString::fromLatin1(names::portraitButton));
  landscapeButton_ = new QRadioButton(utf8(texts::landscapeButton));
  landscapeButton_->setObjectName(QString::fromLatin1(names::landscapeButton));
  const QPageLayout layout = printer.pageLayout();
  (layout.orientation() == QPageLayout::Landscape ? landscapeButton_ : portraitButton_)
      ->setChecked(true);
  fillPaperSizes(layout.pageSize());
  connect(printerList_, &QComboBox::currentIndexChanged, this, [this] {
    fillPaperSizes(pageSizes_.at(static_cast<std::size_t>(paperList_->currentIndex())));
  });

  auto* printerGroup = new QGroupBox(utf8(texts::printerGroup));
  auto* printerForm = new QFormLayout(printerGroup);
  printerForm->addRow(utf8(texts::printerNameLabel), printerList_);
  auto* paperGroup = new QGroupBox(utf8(texts::paperGroup));
  auto* paperForm = new QFormLayout(paperGroup);
  paperForm->addRow(utf8(texts::paperSizeLabel), paperList_);
  auto* orientationGroup = new QGroupBox(utf8(texts::orientationGroup));
  auto* orientationRow = new QVBoxLayout(orientationGroup);
  orientationRow->addWidget(portraitButton_);
  orientationRow->addWidget(landscapeButton_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(utf8(texts::okButton));
  buttons->button(QDialogButtonBox::Cancel)->setText(utf8(texts::cancelButton));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* pageRow = new QHBoxLayout;
  pageRow->addWidget(paperGroup, 1);
  pageRow->addWidget(orientationGroup);
  auto* layoutOfDialog = new QVBoxLayout(this);
  layoutOfDialog->addWidget(printerGroup);
  layoutOfDialog->addLayout(pageRow);
  layoutOfDialog->addWidget(buttons);
}

void PrinterSetupDialog::fillPaperSizes(const QPageSize& wanted) {
  const QString name = printerList_->currentData().toString();
  pageSizes_.clear();
  if (!name.isEmpty()) {
    const QList<QPageSize> own = QPrinterInfo::printerInfo(name).supportedPageSizes();
    pageSizes_.assign(own.begin(), own.end());
  }
  if (pageSizes_.empty()) pageSizes_ = commonPageSizes();
  auto chosen = std::find_if(pageSizes_.begin(), pageSizes_.end(),
                             [&](const QPageSize& size) { return size.isEquivalentTo(wanted); });
  if (chosen == pageSizes_.end() && wanted.isValid()) {
    pageSizes_.insert(pageSizes_.begin(), wanted);
    chosen = pageSizes_.begin();
  }
  const QSignalBlocker quiet(paperList_);
  paperList_->clear();
  for (const QPageSize& size : pageSizes_) paperList_->addItem(size.name());
  paperList_->setCurrentIndex(
      chosen == pageSizes_.end() ? 0 : static_cast<int>(chosen - pageSizes_.begin()));
}

void PrinterSetupDialog::accept() {
  const QString name = printerList_->currentData().toString();
  if (name.isEmpty()) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
  } else {
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(name);
  }
  const QPageSize& size = pageSizes_.at(static_cast<std::size_t>(paperList_->currentIndex()));
  const QPageLayout::Orientation orientation =
      landscapeButton_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
  QPageLayout layout = printer_.pageLayout();
  layout.setPageSize(size);
  layout.setOrientation(orientation);
  if (!printer_.setPageLayout(layout)) {
    // Margins the printer cannot print: its own for this size.
    printer_.setPageSize(size);
    printer_.setPageOrientation(orientation);
  }
  QDialog::accept();
}

}  // namespace casl2wb
