#include "views/print_job.h"

#include <QFile>
#include <QPrinter>

#include "views/busy_cursor.h"
#include "views/pdf_printer.h"
#include "views/product_title.h"
#include "views/qt_printer.h"
#include "views/view_messages.h"

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
                    view_messages::cannotWrite(path, pdf.errorString()));
    return false;
  }
  QtPrinter pages(printer);
  {
    const BusyCursor busy;
    document(pages);
  }
  if (pages.ok()) return true;
  dialogs.message(parent, Dialogs::Icon::Error, productTitle(), view_messages::printingFailed());
  return false;
}

}  // namespace casl2wb
