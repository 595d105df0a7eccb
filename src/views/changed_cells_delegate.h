// Draws the rows of the execution window's lists as usual, with a quiet
// background behind the memory entries that the replay's step changed. The
// texts stay as they are; which entries of a row are marked is the model's
// LinesModel::changedEntriesRole; a row's note (LinesModel::noteRole)
// follows its text. Every row is as wide as the widest line
// (LinesModel::widestColumnsRole), so that a narrow list scrolls sideways.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace casl2wb {

// The colour behind a changed value, in the panel and in the list.
QColor changedValueColour();
// The colour of a row's note (the labels of a memory row).
QColor noteColour();

class ChangedCellsDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace casl2wb
