#include "views/print_job.h"

#include <QFile>
#include <QPrinter>

#include "qtprint/pdf_printer.h"
#include "qtprint/qt_printer.h"
#include "views/busy_cursor.h"
#include "views/file_error_reasons.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb {

bool printOnChosenPrinter(QWidget* parent, WorkbenchState& state, Dialogs& dialogs,
                          const std::function<void(Printer&)>& document) {
  QPrinter& printer = state.printer();
  if (!dialogs.choosePrinter(parent, printer)) return false;
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    // A PDF file is written whole or not at all, and a failure is told with its reason.
    const QString path = printer.outputFileName();
    PdfPrinter pdf(QFile::encodeName(path).toStdString(), printer.pageLayout());
    {
      const BusyCursor busy;
      document(pdf);
    }
    if (pdf.ok()) return true;
    dialogs.message(parent, Dialogs::Icon::Error, productTitle(),
                    shownMessage(Message::CannotWrite,
                                 {toStd(path), shownFileErrorReason(toStd(pdf.errorString()))}));
    return false;
  }
  QtPrinter pages(printer);
  {
    const BusyCursor busy;
    document(pages);
  }
  if (pages.ok()) return true;
  dialogs.message(parent, Dialogs::Icon::Error, productTitle(),
                  shownMessage(Message::PrintingFailed));
  return false;
}

}  // namespace casl2wb
