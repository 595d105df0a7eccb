#include "views/print_job.h"

#include <QPrinter>

#include "views/product_title.h"
#include "views/qt_printer.h"
#include "views/view_messages.h"

namespace casl2wb {

bool printOnChosenPrinter(QWidget* parent, WorkbenchState& state, Dialogs& dialogs,
                          const std::function<void(Printer&)>& document) {
  QPrinter& printer = state.printer();
  if (!dialogs.choosePrinter(parent, printer)) return false;
  QtPrinter pages(printer);
  document(pages);
  if (pages.ok()) return true;
  dialogs.message(parent, Dialogs::Icon::Error, productTitle(), view_messages::printingFailed());
  return false;
}

}  // namespace casl2wb
