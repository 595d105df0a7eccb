// The pieces of the help's HTML that quote the workbench's own texts: menu
// captions, keys and catalogued messages, so that the help shows them as the
// windows do.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

#include "base/messages.h"

namespace casl2wb {

// A menu caption as the help names it: without its access key.
QString menuName(const char* caption);

// A text of the windows (a key, a button's caption), escaped for HTML.
QString quotedText(const char* text);

// A key as the help names it (QKeySequence's text): the arrow keys as arrows.
QString keyText(const char* key);

// A catalogued message without marks, escaped for HTML, its spaces kept.
QString messageHtml(Message message);

// The HTML with each "{name}" replaced by its value.
QString fillNames(QString html, std::initializer_list<std::pair<const char*, QString>> names);

}  // namespace casl2wb
