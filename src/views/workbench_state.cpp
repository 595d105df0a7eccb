#include "views/workbench_state.h"

#include <QPrinter>
#include <QStandardPaths>

#include "qtprint/qt_printer.h"

namespace casl2wb {

WorkbenchState::WorkbenchState(std::string folder) : workFolder(std::move(folder)) {}

WorkbenchState::~WorkbenchState() = default;

QPrinter& WorkbenchState::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Room for the 120-column memory rows until the user sets up the page.
    printer_->setPageLayout(listingPageLayout());
  }
  return *printer_;
}

std::string defaultWorkFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
}

}  // namespace casl2wb
