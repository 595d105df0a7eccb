#include "cli/pdf_output.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include "cli/command.h"
#include "qtprint/pdf_printer.h"

namespace casl2wb::cli {

bool writePdf(const std::string& path, const std::function<void(Printer&)>& document,
              std::ostream& err) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  }
  static int argc = 1;
  static char name[] = "casl2wb-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  PdfPrinter printer(path);
  if (printer.isOpen()) document(printer);
  if (printer.ok()) return true;
  err << programName << ": " << path << ": " << printer.errorString().toStdString() << '\n';
  return false;
}

}  // namespace casl2wb::cli
