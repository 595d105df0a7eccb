// The folder list of the file window: the folders from the root down to the
// current folder, then the current folder's subfolders. Opening an entry
// (double click or Enter) makes it the current folder.
#pragma once

#include <QListWidget>

namespace casl2wb {

class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent = nullptr);

  QString path() const { return path_; }
  // Shows the folder (an absolute path) and tells of the change.
  void setPath(const QString& path);

 signals:
  void pathChanged(const QString& path);

 private:
  void fill();

  QString path_;
};

}  // namespace casl2wb
