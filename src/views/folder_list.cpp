#include "views/folder_list.h"

#include "base/file_paths.h"
#include "views/file_names.h"
#include "views/tool_icons.h"

namespace casl2wb {
namespace {

constexpr int pathRole = Qt::UserRole;

QListWidgetItem* folderItem(const std::string& name, const std::string& path, int depth,
                            const QIcon& icon) {
  auto* item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + displayName(name));
  item->setData(pathRole, QByteArray::fromStdString(path));
  return item;
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    setPath(item->data(pathRole).toByteArray().toStdString());
  });
}

QString FolderList::path() const { return displayName(path_); }

void FolderList::setPath(const std::string& pathBytes) {
  path_ = cleanFolderPath(pathBytes);
  fill();
  emit pathChanged();
}

void FolderList::fill() {
  clear();
  const QIcon openIcon = toolIcon(ToolIcon::Open);
  const QIcon closedIcon = toolIcon(ToolIcon::Folder);

  addItem(folderItem("/", "/", 0, openIcon));
  int depth = 1;
  std::string walked;
  for (std::size_t start = 1; start < path_.size(); ++depth) {
    const std::size_t slash = std::min(path_.find('/', start), path_.size());
    walked = path_.substr(0, slash);
    addItem(folderItem(path_.substr(start, slash - start), walked, depth, openIcon));
    start = slash + 1;
  }
  setCurrentRow(count() - 1);

  for (const std::string& child : folderEntries(path_, EntryKind::Folder)) {
    addItem(folderItem(child, joinPath(path_, child), depth, closedIcon));
  }
}

}  // namespace casl2wb
