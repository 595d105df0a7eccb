// The PDF module: writes a document into a PDF file on the offscreen
// platform, unless QT_QPA_PLATFORM names another one.
#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include "cli/pdf_module.h"
#include "qtprint/pdf_printer.h"

extern "C" bool casl2wb_write_pdf(const std::string& path,
                                  const std::function<void(casl2wb::Printer&)>& document,
                                  std::string& error) {
  static_assert(std::is_same_v<decltype(&casl2wb_write_pdf), casl2wb::cli::WritePdfEntry>,
                "the entry point as the text front end calls it");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
  }
  static int argc = 1;
  static char name[] = "casl2wb-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  casl2wb::PdfPrinter printer(path);
  if (printer.isOpen()) document(printer);
  if (printer.ok()) return true;
  error = printer.errorString().toStdString();
  return false;
}
