#include "views/folder_list.h"

#include <QDir>

#include "views/tool_icons.h"

namespace casl2wb {
namespace {

constexpr int pathRole = Qt::UserRole;

QListWidgetItem* folderItem(const QString& name, const QString& path, int depth,
                            const QIcon& icon) {
  auto* item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + name);
  item->setData(pathRole, path);
  return item;
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setPath(item->data(pathRole).toString()); });
}

void FolderList::setPath(const QString& path) {
  path_ = QDir::cleanPath(QDir(path).absolutePath());
  fill();
  emit pathChanged(path_);
}

void FolderList::fill() {
  clear();
  const QIcon openIcon = toolIcon(ToolIcon::Open);
  const QIcon closedIcon = toolIcon(ToolIcon::Folder);

  QStringList names = path_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  addItem(folderItem(QStringLiteral("/"), QStringLiteral("/"), 0, openIcon));
  QString walked;
  for (int i = 0; i < names.size(); ++i) {
    walked += QLatin1Char('/') + names[i];
    addItem(folderItem(names[i], walked, i + 1, openIcon));
  }
  setCurrentRow(count() - 1);

  const int depth = static_cast<int>(names.size()) + 1;
  const QDir folder(path_);
  const QStringList children =
      folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& child : children) {
    addItem(folderItem(child, folder.filePath(child), depth, closedIcon));
  }
}

}  // namespace casl2wb
