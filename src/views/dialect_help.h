// The help's section on the two dialects: how to choose one and a table of
// every rule in which standard CASL II and the workbench dialect differ,
// each with a two-line example.
#pragma once

#include <QString>

namespace casl2wb {

QString dialectHelpHtml();

}  // namespace casl2wb
