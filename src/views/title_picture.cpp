#include "views/title_picture.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include "qtprint/font_choice.h"
#include "views/product_title.h"

namespace casl2wb {
namespace {

constexpr int width = 520;
constexpr int height = 300;

// A faint memory dump behind the title: rows of addresses and words.
void drawDump(QPainter& p) {
  QFont font = fixedPitchFont(9);
  p.setFont(font);
  p.setPen(QColor(120, 170, 230, 45));
  const int lineHeight = QFontMetrics(font).height();
  unsigned word = 0x1210;
  for (int row = 0; row * lineHeight < height; ++row) {
    QString line = QStringLiteral("%1 ").arg(row * 8, 4, 16, QLatin1Char('0')).toUpper();
    for (int column = 0; column < 8; ++column) {
      word = (word * 75 + 74) % 65537;
      line += QStringLiteral(" %1").arg(word & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
    }
    p.drawText(12, (row + 1) * lineHeight, line);
  }
}

// A chip with pins, the picture of the COMET II processor.
void drawChip(QPainter& p, QRectF r) {
  p.setPen(QPen(QColor(200, 210, 225), 2));
  const int pins = 6;
  for (int i = 0; i < pins; ++i) {
    const qreal x = r.left() + (i + 0.5) * r.width() / pins;
    const qreal y = r.top() + (i + 0.5) * r.height() / pins;
    p.drawLine(QPointF(x, r.top() - 8), QPointF(x, r.top()));
    p.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 8));
    p.drawLine(QPointF(r.left() - 8, y), QPointF(r.left(), y));
    p.drawLine(QPointF(r.right(), y), QPointF(r.right() + 8, y));
  }
  p.setPen(QPen(QColor(30, 40, 60), 2));
  p.setBrush(QColor(45, 55, 80));
  p.drawRoundedRect(r, 6, 6);
  QFont font = fixedPitchFont(12);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(240, 200, 80));
  p.drawText(r, Qt::AlignCenter, QStringLiteral("COMET\nII"));
}

}  // namespace

QPixmap drawTitlePicture() {
  QPixmap picture(width, height);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0.0, QColor(18, 32, 72));
  sky.setColorAt(1.0, QColor(8, 12, 30));
  p.fillRect(picture.rect(), sky);
  drawDump(p);

  drawChip(p, QRectF(width - 150, 40, 100, 100));

  // A dark band keeps the title readable over the dump.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(5, 10, 28, 200));
  p.drawRoundedRect(QRectF(24, 34, 330, 126), 10, 10);
  p.drawRoundedRect(QRectF(24, 172, width - 48, 64), 10, 10);

  QFont titleFont = fixedPitchFont(40);
  titleFont.setBold(true);
  p.setFont(titleFont);
  p.setPen(QColor(255, 255, 255));
  p.drawText(QRect(36, 40, 320, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("CASL II"));

  QFont subtitleFont = fixedPitchFont(18);
  p.setFont(subtitleFont);
  p.setPen(QColor(240, 200, 80));
  p.drawText(QRect(40, 112, 320, 36), Qt::AlignLeft | Qt::AlignVCenter, productTitle());

  p.setPen(QPen(QColor(240, 200, 80), 2));
  p.drawLine(40, 160, width - 40, 160);

  QFont noteFont = fixedPitchFont(11);
  p.setFont(noteFont);
  p.setPen(QColor(210, 220, 240));
  p.drawText(QRect(40, 180, width - 80, 48), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("アセンブラ言語 CASL II と仮想計算機 COMET II\n"
                            "プログラムの入力・検査・実行を学ぶために"));
  p.setPen(QColor(160, 175, 205));
  p.drawText(QRect(40, height - 44, width - 80, 24), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Version ") + QStringLiteral(CASL2WB_VERSION));
  return picture;
}

}  // namespace casl2wb
