// Conversions between the core's texts (UTF-8 strings, code-point lines) and
// the texts of the windows.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"
#include "base/text.h"

namespace casl2wb {

inline QString fromStd(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string toStd(const QString& text) { return text.toStdString(); }

// A catalogued message as a message box shows it, its "{}" marks filled
// with the arguments (UTF-8) in order.
inline QString shownMessage(Message message,
                            std::initializer_list<std::string_view> arguments = {}) {
  return fromStd(formatMessage(message, arguments));
}

// The editor holds its lines with plain newlines: CR LF and a lone CR become LF.
QString withNewlines(QString text);

// Whether two editor texts hold the same lines: a line end after the last
// line makes no difference, as a saved file ends in one either way.
bool sameLines(QStringView a, QStringView b);

// The text of the editor for the lines of a file: every line, the last one
// included, followed by a line end.
QString editorTextOfLines(const std::vector<Text>& lines);

}  // namespace casl2wb
