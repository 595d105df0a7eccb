#include "views/workbench_state.h"

#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

#include "qtprint/qt_printer.h"

namespace casl2wb {

namespace {

// The settings file of the workbench, in its work folder.
QString settingsPath(const std::string& folder) {
  return QString::fromStdString(folder) + QStringLiteral("/settings.ini");
}

constexpr auto dialectKey = "dialect";

}  // namespace

WorkbenchState::WorkbenchState(std::string folder) : workFolder(std::move(folder)) {
  const QSettings settings(settingsPath(workFolder), QSettings::IniFormat);
  if (settings.value(dialectKey).toString() == QStringLiteral("standard")) {
    dialect = Dialect::Standard;
  }
}

void WorkbenchState::setDialect(Dialect chosen) {
  dialect = chosen;
  QSettings settings(settingsPath(workFolder), QSettings::IniFormat);
  settings.setValue(dialectKey, chosen == Dialect::Standard ? QStringLiteral("standard")
                                                            : QStringLiteral("workbench"));
}

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
