// The "drives" of the file window on Linux: the root folder, the user's home
// folder and the mounted file systems.
#pragma once

#include <QString>
#include <QStringList>

namespace casl2wb {

// Root paths without repeats: "/" first, then the home folder, then the mount
// points of the mounted file systems that are ready.
QStringList driveRoots();

// The entry of `roots` that holds `folder` most closely (the longest root that
// is the folder or one of its parents); "/" when there is none.
QString driveOf(const QString& folder, const QStringList& roots);

}  // namespace casl2wb
