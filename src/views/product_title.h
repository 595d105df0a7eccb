// The program's title. With the version it is the caption of the splash
// window and of the editor window until a load or a save gives the editor a
// file name; without it, the caption of the file window and the title of
// message boxes.
// The version is the one `casl2wb-cli --version` prints.
#pragma once

#include <QString>

namespace casl2wb {

inline QString productTitle() { return QStringLiteral("CASL II ワークベンチ"); }

inline QString productVersion() { return QStringLiteral(CASL2WB_VERSION); }

inline QString productTitleWithVersion() {
  return productTitle() + QStringLiteral(" ") + productVersion();
}

}  // namespace casl2wb
