// The text of the help window (HTML): its contents, the usage of the
// workbench, the rules of its CASL II, the keys of every window, and the
// sections of the instructions and pseudo-instructions. Every section and
// every instruction opens with an anchor, so that links and the window can
// scroll to it.
#pragma once

#include <QString>

namespace casl2wb {

// The whole help.
QString helpHtml();

// Its parts.
QString usageHelpHtml();
QString rulesHelpHtml();
QString keysHelpHtml();

}  // namespace casl2wb
