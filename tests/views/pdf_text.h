// The words of a printed document, to compare a PDF file with the text
// printer's output of the same document.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <sstream>

#include "documents/printer.h"
#include "documents/text_printer.h"

namespace casl2wb::testing {

inline QStringList wordsOf(const QString& text) {
  return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The words of the PDF's text, page by page, as the PDF text tool reads them.
inline QStringList pdfWords(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!process.waitForFinished(30000)) return {QStringLiteral("<pdftotext failed>")};
  return wordsOf(QString::fromUtf8(process.readAllStandardOutput()));
}

// The words of the document as the text printer prints it.
inline QStringList documentWords(const std::function<void(Printer&)>& document) {
  std::ostringstream out;
  TextPrinter printer(out);
  document(printer);
  return wordsOf(QString::fromStdString(out.str()));
}

}  // namespace casl2wb::testing
