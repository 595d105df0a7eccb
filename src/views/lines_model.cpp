#include "views/lines_model.h"

#include <algorithm>
#include <utility>

#include "base/display_width.h"

namespace casl2wb {

void LinesModel::clear() {
  beginResetModel();
  lines_.clear();
  published_ = 0;
  changedEntries_.clear();
  notes_.clear();
  widestNotedRow_ = 0;
  endResetModel();
}

void LinesModel::add(std::string_view item) { lines_.add(item); }

void LinesModel::publish() {
  const int total = static_cast<int>(lines_.size());
  if (total == published_) return;
  beginInsertRows(QModelIndex(), published_, total - 1);
  published_ = total;
  endInsertRows();
}

void LinesModel::setChangedEntries(int row, int entries) {
  if (row < 0 || row >= published_) return;
  changedEntries_[row] = entries;
  emit dataChanged(index(row), index(row), {changedEntriesRole});
}

void LinesModel::clearChangedEntries() {
  const std::map<int, int> marked = std::exchange(changedEntries_, {});
  for (const auto& [row, entries] : marked) {
    emit dataChanged(index(row), index(row), {changedEntriesRole});
  }
}

void LinesModel::setNote(int row, const QString& note) {
  if (row < 0 || row >= published_) return;
  notes_[row] = note;
  const std::string_view line = lines_.line(static_cast<std::size_t>(row));
  const std::string noted = std::string(line) + "  " + note.toStdString();
  widestNotedRow_ = std::max(widestNotedRow_, static_cast<int>(displayWidth(noted)));
  emit dataChanged(index(row), index(row), {noteRole});
}

int LinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : published_;
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= published_) return {};
  switch (role) {
    case Qt::DisplayRole: {
      const std::string_view text = lines_.line(static_cast<std::size_t>(index.row()));
      return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case changedEntriesRole: {
      const auto marked = changedEntries_.find(index.row());
      return marked == changedEntries_.end() ? QVariant() : QVariant(marked->second);
    }
    case widestColumnsRole:
      return std::max(static_cast<int>(lines_.widestLineWidth()), widestNotedRow_);
    case noteRole: {
      const auto note = notes_.find(index.row());
      return note == notes_.end() ? QVariant() : QVariant(note->second);
    }
    default:
      return {};
  }
}

}  // namespace casl2wb
