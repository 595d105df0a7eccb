#include "views/changed_cells_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace casl2wb {

QColor changedValueColour() { return QColor(0xFF, 0xE8, 0xA0); }

void ChangedCellsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const int entries = index.data(changedEntriesRole).toInt();
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
}

}  // namespace casl2wb
