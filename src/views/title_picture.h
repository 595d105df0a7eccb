// The title picture of the splash window, drawn when the program starts.
#pragma once

#include <QPixmap>

namespace casl2wb {

QPixmap drawTitlePicture();

}  // namespace casl2wb
