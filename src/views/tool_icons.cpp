#include "views/tool_icons.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace casl2wb {
namespace {

const QColor outline(60, 60, 70);
const QColor paper(255, 255, 255);

// A page with a folded top-right corner.
void drawPage(QPainter& p, QRectF r) {
  QPainterPath page;
  const qreal fold = r.width() * 0.35;
  page.moveTo(r.topLeft());
  page.lineTo(r.right() - fold, r.top());
  page.lineTo(r.right(), r.top() + fold);
  page.lineTo(r.bottomRight());
  page.lineTo(r.bottomLeft());
  page.closeSubpath();
  p.setBrush(paper);
  p.drawPath(page);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  p.setBrush(QColor(220, 220, 228));
  p.drawPath(corner);
}

void drawTextLines(QPainter& p, QRectF r, int count) {
  p.save();
  p.setPen(QPen(QColor(120, 130, 160), 1.0));
  for (int i = 0; i < count; ++i) {
    const qreal y = r.top() + (i + 1) * r.height() / (count + 1);
    p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * r.width() * 0.3, y));
  }
  p.restore();
}

void drawNewFile(QPainter& p) {
  drawPage(p, QRectF(5, 2, 14, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 40));
  QPainterPath star;
  const QPointF c(17.5, 18.5);
  for (int i = 0; i < 10; ++i) {
    const qreal radius = (i % 2 == 0) ? 5.0 : 2.2;
    const qreal angle = -M_PI / 2 + i * M_PI / 5;
    const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  p.drawPath(star);
}

void drawOpen(QPainter& p) {
  p.setBrush(QColor(214, 160, 40));
  QPainterPath back;
  back.moveTo(2, 6);
  back.lineTo(8, 6);
  back.lineTo(10, 8);
  back.lineTo(19, 8);
  back.lineTo(19, 20);
  back.lineTo(2, 20);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(QColor(250, 210, 90));
  QPainterPath front;
  front.moveTo(2, 20);
  front.lineTo(6, 11);
  front.lineTo(22.5, 11);
  front.lineTo(19, 20);
  front.closeSubpath();
  p.drawPath(front);
}

void drawFolder(QPainter& p) {
  p.setBrush(QColor(230, 180, 60));
  QPainterPath folder;
  folder.moveTo(2, 5);
  folder.lineTo(9, 5);
  folder.lineTo(11, 7);
  folder.lineTo(22, 7);
  folder.lineTo(22, 20);
  folder.lineTo(2, 20);
  folder.closeSubpath();
  p.drawPath(folder);
  p.setPen(QPen(QColor(250, 215, 110), 1.0));
  p.drawLine(QPointF(3, 9), QPointF(21, 9));
}

void drawSave(QPainter& p) {
  p.setBrush(QColor(50, 90, 170));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
  p.setBrush(paper);
  p.drawRect(QRectF(6, 3, 12, 8));
  drawTextLines(p, QRectF(7.5, 3, 9, 8), 2);
  p.setBrush(QColor(190, 195, 205));
  p.drawRect(QRectF(7, 14, 10, 7));
  p.setBrush(QColor(50, 90, 170));
  p.drawRect(QRectF(13, 15.5, 2.5, 4));
}

void drawPrint(QPainter& p) {
  p.setBrush(paper);
  p.drawRect(QRectF(7, 2, 10, 8));
  p.setBrush(QColor(150, 155, 165));
  p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
  p.setBrush(paper);
  p.drawRect(QRectF(6, 15, 12, 7));
  drawTextLines(p, QRectF(7.5, 15, 9, 7), 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 200, 90));
  p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);
}

void drawCut(QPainter& p) {
  p.save();
  p.setPen(QPen(QColor(150, 155, 165), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7, 2), QPointF(15.5, 15));
  p.drawLine(QPointF(17, 2), QPointF(8.5, 15));
  p.restore();
  p.setPen(QPen(QColor(190, 40, 40), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7, 18), 3.2, 3.2);
  p.drawEllipse(QPointF(17, 18), 3.2, 3.2);
}

void drawCopy(QPainter& p) {
  drawPage(p, QRectF(3, 2, 12, 15));
  drawTextLines(p, QRectF(5, 4, 7, 12), 3);
  drawPage(p, QRectF(9, 7, 12, 15));
  drawTextLines(p, QRectF(11, 9, 7, 12), 3);
}

void drawPaste(QPainter& p) {
  p.setBrush(QColor(170, 120, 60));
  p.drawRoundedRect(QRectF(3, 4, 15, 18), 2, 2);
  p.setBrush(QColor(190, 195, 205));
  p.drawRoundedRect(QRectF(7, 2, 7, 4), 1, 1);
  drawPage(p, QRectF(10, 9, 11, 13));
  drawTextLines(p, QRectF(12, 10, 6, 11), 3);
}

void drawFind(QPainter& p) {
  p.save();
  p.setPen(QPen(QColor(90, 60, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
  p.restore();
  p.setPen(QPen(outline, 2.0));
  p.setBrush(QColor(190, 225, 250));
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  p.setPen(QPen(paper, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(6, 6, 8, 8), 100 * 16, 70 * 16);
}

// Draws the picture on a 24 by 24 grid, at `scale` device pixels per unit.
QPixmap drawIcon(ToolIcon which, int scale) {
  QPixmap pixmap(24 * scale, 24 * scale);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(QPen(outline, 1.0));
  switch (which) {
    case ToolIcon::NewFile:
      drawNewFile(p);
      break;
    case ToolIcon::Open:
      drawOpen(p);
      break;
    case ToolIcon::Save:
      drawSave(p);
      break;
    case ToolIcon::Print:
      drawPrint(p);
      break;
    case ToolIcon::Cut:
      drawCut(p);
      break;
    case ToolIcon::Copy:
      drawCopy(p);
      break;
    case ToolIcon::Paste:
      drawPaste(p);
      break;
    case ToolIcon::Find:
      drawFind(p);
      break;
    case ToolIcon::Folder:
      drawFolder(p);
      break;
  }
  return pixmap;
}

}  // namespace

QIcon toolIcon(ToolIcon which) {
  QIcon icon;
  icon.addPixmap(drawIcon(which, 1));
  icon.addPixmap(drawIcon(which, 2));
  return icon;
}

}  // namespace casl2wb
