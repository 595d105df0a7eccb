// The program's title: the caption of the editor and file windows until a
// file name takes its place, and, with the version, of the splash window.
#pragma once

#include <QString>

namespace casl2wb {

inline QString productTitle() { return QStringLiteral("CASL II ワークベンチ"); }

inline QString productTitleWithVersion() {
  return productTitle() + QStringLiteral(" ") + QStringLiteral(CASL2WB_VERSION);
}

}  // namespace casl2wb
