// The fixed-pitch Japanese font of the lists, the source text and the
// printouts: IPAGothic, or another installed fixed-pitch CJK font.
#pragma once

#include <QFont>

namespace casl2wb {

// The font at the given point size.
QFont fixedPitchFont(int pointSize);

}  // namespace casl2wb
