// Printing a document of the listings on the printer the user picks in the
// print dialog (a real printer or a PDF file); the printer chosen under
// "プリンタの設定(&S)" is offered first.
#pragma once

#include <QWidget>
#include <functional>

#include "documents/printer.h"
#include "views/dialogs.h"
#include "views/workbench_state.h"

namespace casl2wb {

// False when the user cancelled the dialog or the printer could not be
// opened (then a message box says so).
bool printOnChosenPrinter(QWidget* parent, WorkbenchState& state, Dialogs& dialogs,
                          const std::function<void(Printer&)>& document);

}  // namespace casl2wb
