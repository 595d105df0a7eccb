#include "views/changed_cells_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "base/display_width.h"
#include "views/lines_model.h"

namespace casl2wb {

QColor changedValueColour() { return QColor(0xFF, 0xE8, 0xA0); }

QColor noteColour() { return QColor(0x2E, 0x7D, 0x32); }

void ChangedCellsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const int entries = index.data(LinesModel::changedEntriesRole).toInt();
  if (entries != 0) {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // Where the style puts the text: its text rectangle less the margin
    // that the item views keep on either side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
    const QFontMetrics metrics(item.font);
    const QString& text = item.text;
    // Entry k runs from the character after the k-th ")" (its leading
    // blank left out) to its own ")".
    qsizetype start = 0;
    for (int k = 0; k < 8 && start < text.size(); ++k) {
      const qsizetype end = text.indexOf(QLatin1Char(')'), start);
      if (end < 0) break;
      if ((entries & (1 << k)) != 0) {
        const qsizetype from = text.at(start) == QLatin1Char(' ') ? start + 1 : start;
        const int left = textRect.left() + metrics.horizontalAdvance(text.left(from));
        const int right = textRect.left() + metrics.horizontalAdvance(text.left(end + 1));
        painter->fillRect(QRect(left, option.rect.top(), right - left, option.rect.height()),
                          changedValueColour());
      }
      start = end + 1;
    }
  }
  QStyledItemDelegate::paint(painter, option, index);
  // The note after the text, two columns on, in the colour of a comment.
  const QString note = index.data(LinesModel::noteRole).toString();
  if (!note.isEmpty()) {
    const QFontMetrics metrics(option.font);
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const int columns =
        static_cast<int>(displayWidth(index.data(Qt::DisplayRole).toString().toStdString()));
    painter->save();
    painter->setFont(option.font);
    painter->setPen(noteColour());
    painter->drawText(option.rect.adjusted(digit * (columns + 2) + 3, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter, note);
    painter->restore();
  }
}

QSize ChangedCellsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QVariant columns = index.data(LinesModel::widestColumnsRole);
  if (columns.isValid()) {
    // The lists' font is fixed-pitch: a wide character is two digits wide.
    const int digit = QFontMetrics(option.font).horizontalAdvance(QLatin1Char('0'));
    size.setWidth(std::max(size.width(), (columns.toInt() + 2) * digit));
  }
  return size;
}

}  // namespace casl2wb
