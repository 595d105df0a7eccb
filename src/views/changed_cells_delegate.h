// Draws the items of the execution window's list as usual, with a quiet
// background behind the memory entries that the replay's step changed. The
// item texts stay as they are; which entries of an item are marked is kept
// in the item's data under `changedEntriesRole`.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace casl2wb {

// The colour behind a changed value, in the panel and in the list.
QColor changedValueColour();

class ChangedCellsDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // Bit k set: entry k of the item (the k-th " AAAA(WWWW)" from the left) changed.
  static constexpr int changedEntriesRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace casl2wb
