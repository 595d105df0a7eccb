#include "cli/pdf_output.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include "cli/command.h"
#include "views/pdf_printer.h"

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

  PdfPrinter printer(QFile::decodeName(path.c_str()));
  if (!printer.isOpen()) {
    err << programName << ": " << path << ": " << printer.errorString().toStdString() << '\n';
    return false;
  }
  document(printer);
  if (!printer.ok()) {
    err << programName << ": " << path << ": the PDF could not be written\n";
    return false;
  }
  return true;
}

}  // namespace casl2wb::cli
