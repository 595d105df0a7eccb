#include "views/drive_list.h"

#include <QDir>
#include <QStorageInfo>

namespace casl2wb {

QStringList driveRoots() {
  QStringList roots = {QStringLiteral("/"), QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    if (!roots.contains(root)) roots.append(root);
  }
  return roots;
}

QString driveOf(const QString& folder, const QStringList& roots) {
  QString best = QStringLiteral("/");
  for (const QString& root : roots) {
    const bool holds =
        folder == root || root == QStringLiteral("/") || folder.startsWith(root + QLatin1Char('/'));
    if (holds && root.size() > best.size()) best = root;
  }
  return best;
}

}  // namespace casl2wb
