// The printer set-up dialog of "プリンタの設定(&S)": the printer (or a PDF
// file), the paper size and the orientation of the next prints, in one
// dialog. OK writes them into the printer that the print dialog offers
// next; Cancel changes nothing.
#pragma once

#include <QDialog>
#include <QPageSize>
#include <vector>

class QComboBox;
class QPrinter;
class QRadioButton;

namespace casl2wb {

class PrinterSetupDialog : public QDialog {
  Q_OBJECT

 public:
  PrinterSetupDialog(QPrinter& printer, QWidget* parent);

  void accept() override;

 private:
  // The paper sizes of the chosen printer (the common ones for a PDF file
  // or a printer that names none), keeping the chosen size when it is one.
  void fillPaperSizes(const QPageSize& wanted);

  QPrinter& printer_;
  QComboBox* printerList_ = nullptr;
  QComboBox* paperList_ = nullptr;
  QRadioButton* portraitButton_ = nullptr;
  QRadioButton* landscapeButton_ = nullptr;
  std::vector<QPageSize> pageSizes_;  // of the rows of the paper list
};

}  // namespace casl2wb
