#include "views/text_conversion.h"

namespace casl2wb {

QString withNewlines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

bool sameLines(QStringView a, QStringView b) {
  if (a.endsWith(QLatin1Char('\n'))) a.chop(1);
  if (b.endsWith(QLatin1Char('\n'))) b.chop(1);
  return a == b;
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
