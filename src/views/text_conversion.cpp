#include "views/text_conversion.h"

namespace casl2wb {

QString withNewlines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString editorTextOfLines(const std::vector<Text>& lines) {
  QString text;
  for (const Text& line : lines) {
    text += QString::fromUcs4(line.data(), static_cast<qsizetype>(line.size()));
    text += QLatin1Char('\n');
  }
  return text;
}

}  // namespace casl2wb
