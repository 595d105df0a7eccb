// The execution window's lists as models over the lines a run writes: a
// run of two million steps writes over a hundred thousand lines, which the
// list views read a screenful at a time instead of holding an item each.
// Lines added are shown when publish() tells the views, so that a run adds
// them in one go; clear() tells them at once.
#pragma once

#include <QAbstractListModel>
#include <map>

#include "base/text_lines.h"

namespace casl2wb {

class LinesModel : public QAbstractListModel, public MessageList {
  Q_OBJECT

 public:
  // Bit k set: entry k of the line (the k-th " AAAA(WWWW)" from the left)
  // is marked, as the replay marks the cells its step changed.
  static constexpr int changedEntriesRole = Qt::UserRole + 1;
  // The display width in columns of the widest line, for every row (the
  // views make all rows as wide, so that they scroll sideways).
  static constexpr int widestColumnsRole = Qt::UserRole + 2;
  // A note that the views show after the line, apart from its text (the
  // labels of a memory row's cells).
  static constexpr int noteRole = Qt::UserRole + 3;

  using QAbstractListModel::QAbstractListModel;

  void clear() override;
  void add(std::string_view item) override;
  // Tells the views of the lines added since the last time.
  void publish();

  // The lines published and not.
  const TextLines& lines() const { return lines_; }
  void setChangedEntries(int row, int entries);
  void clearChangedEntries();
  // Notes go with clear().
  void setNote(int row, const QString& note);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  TextLines lines_;
  int published_ = 0;
  std::map<int, int> changedEntries_;
  std::map<int, QString> notes_;
  // The widest of the lines with their notes, in columns.
  int widestNotedRow_ = 0;
};

}  // namespace casl2wb
