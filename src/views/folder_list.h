// The folder list of the file window: the folders from the root down to the
// current folder, then the current folder's subfolders. Opening an entry
// (double click or Enter) makes it the current folder. Paths are kept as the
// file system's bytes and shown by displayName.
#pragma once

#include <QListWidget>
#include <string>

namespace casl2wb {

class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent = nullptr);

  // The current folder: its bytes, and as it is shown.
  const std::string& pathBytes() const { return path_; }
  QString path() const;
  // Shows the folder (made absolute and clean) and tells of the change.
  void setPath(const std::string& pathBytes);
  // Reads the current folder's subfolders afresh.
  void reread() { fill(); }

 signals:
  void pathChanged();

 private:
  void fill();

  std::string path_;
};

}  // namespace casl2wb
