#include "views/help_html.h"

#include <QRegularExpression>

#include "views/text_conversion.h"

namespace casl2wb {

QString menuName(const char* caption) {
  QString name = QString::fromUtf8(caption);
  name.remove(QRegularExpression(QStringLiteral("[（(]&.[）)]")));
  name.remove(QLatin1Char('&'));
  return name.toHtmlEscaped();
}

QString quotedText(const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); }

QString keyText(const char* key) {
  const QString name = QString::fromLatin1(key);
  if (name == QLatin1String("Right")) return QStringLiteral("→");
  if (name == QLatin1String("Left")) return QStringLiteral("←");
  return name.toHtmlEscaped();
}

// Kept as it is shown: HTML would fold its runs of spaces and its
// full-width spaces into single plain ones.
QString messageHtml(Message message) {
  return QStringLiteral("<span style=\"white-space:pre-wrap\">%1</span>")
      .arg(shownMessage(message).toHtmlEscaped());
}

QString fillNames(QString html, std::initializer_list<std::pair<const char*, QString>> names) {
  for (const auto& [name, value] : names) {
    html.replace(QStringLiteral("{%1}").arg(QString::fromLatin1(name)), value);
  }
  return html;
}

}  // namespace casl2wb
