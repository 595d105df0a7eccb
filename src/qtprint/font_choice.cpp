#include "qtprint/font_choice.h"

#include <QFontDatabase>
#include <QStringList>

namespace casl2wb {

QFont fixedPitchFont(int pointSize) {
  static const QStringList preferred = {"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP",
                                        "VL Gothic", "TakaoGothic"};
  const QStringList families = QFontDatabase::families();
  for (const QString& family : preferred) {
    if (families.contains(family)) {
      QFont font(family, pointSize);
      font.setFixedPitch(true);
      return font;
    }
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace casl2wb
