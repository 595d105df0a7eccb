#include "views/file_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>

#include "source/file_paths.h"
#include "source/source_file.h"
#include "source/work_file.h"
#include "views/busy_cursor.h"
#include "views/dialogs.h"
#include "views/drive_list.h"
#include "views/editor_window.h"
#include "views/file_names.h"
#include "views/folder_list.h"
#include "views/form2_texts.h"
#include "views/product_title.h"
#include "views/text_conversion.h"
#include "views/view_messages.h"

namespace casl2wb {
namespace {

namespace texts = form2_texts;

constexpr int nameRole = Qt::UserRole;  // the file name's bytes

}  // namespace

FileWindow::FileWindow(EditorWindow& editor, const QString& folder)
    : QMainWindow(&editor, Qt::Window), editor_(editor) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(productTitle());
  buildControls();
  buildMenus();
  setFolderPath(folder);
  resize(560, 420);
}

void FileWindow::buildControls() {
  drive1_ = new QComboBox;
  drive1_->setObjectName(QStringLiteral("Drive1"));
  drive1_->addItems(driveRoots());
  connect(drive1_, &QComboBox::activated, this, &FileWindow::Drive1_Change);

  dir1_ = new FolderList;
  dir1_->setObjectName(QStringLiteral("Dir1"));
  connect(dir1_, &FolderList::pathChanged, this, &FileWindow::Dir1_Change);

  file1_ = new QListWidget;
  file1_->setObjectName(QStringLiteral("File1"));
  connect(file1_, &QListWidget::itemClicked, this, &FileWindow::File1_Click);
  connect(file1_, &QListWidget::itemActivated, this, &FileWindow::File1_Click);

  label1_ = new QLabel(QString::fromUtf8(texts::Label1));
  label1_->setObjectName(QStringLiteral("Label1"));
  txttargetfile_ = new QLineEdit;
  txttargetfile_->setObjectName(QStringLiteral("txttargetfile"));
  label1_->setBuddy(txttargetfile_);

  auto* central = new QWidget;
  auto* layout = new QGridLayout(central);
  layout->addWidget(drive1_, 0, 0);
  layout->addWidget(dir1_, 1, 0);
  layout->addWidget(file1_, 0, 1, 2, 1);
  layout->addWidget(label1_, 2, 0);
  layout->addWidget(txttargetfile_, 2, 1);
  layout->setRowStretch(1, 1);
  setCentralWidget(central);
}

void FileWindow::buildMenus() {
  struct Item {
    const char* name;
    const char* caption;
    void (FileWindow::*command)();
  };
  const Item items[] = {
      {"readerrorchk", texts::readerrorchk, &FileWindow::readerrorchk_Click},
      {"mnuupdated", texts::mnuupdated, &FileWindow::mnuupdated_Click},
      {"mnusaved", texts::mnusaved, &FileWindow::mnusaved_Click},
  };
  for (const Item& item : items) {
    QAction* action = menuBar()->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    connect(action, &QAction::triggered, this, item.command);
  }
}

void FileWindow::setCaption(const std::string& caption) { setWindowTitle(fromStd(caption)); }

QString FileWindow::folderPath() const { return dir1_->path(); }

void FileWindow::setFolderPath(const QString& folder) {
  dir1_->setPath(QFile::encodeName(folder).toStdString());
  const QString drive = driveOf(dir1_->path(), driveRoots());
  int index = drive1_->findText(drive);
  if (index < 0) {
    drive1_->addItem(drive);
    index = drive1_->count() - 1;
  }
  drive1_->setCurrentIndex(index);
}

QString FileWindow::fullPath() const { return displayName(fullPathBytes()); }

std::string FileWindow::fullPathBytes() const {
  const QString name = txttargetfile_->text();
  for (int row = 0; row < file1_->count(); ++row) {
    const QListWidgetItem* item = file1_->item(row);
    if (item->text() == name) {
      return joinPath(dir1_->pathBytes(), item->data(nameRole).toByteArray().toStdString());
    }
  }
  return joinPath(dir1_->pathBytes(), toStd(name));
}

void FileWindow::Drive1_Change() {
  dir1_->setPath(QFile::encodeName(drive1_->currentText()).toStdString());
}

void FileWindow::Dir1_Change() { refreshFiles(); }

void FileWindow::refreshFiles() {
  file1_->clear();
  for (const std::string& name : folderEntries(dir1_->pathBytes(), EntryKind::TextFile)) {
    auto* item = new QListWidgetItem(displayName(name), file1_);
    item->setData(nameRole, QByteArray::fromStdString(name));
  }
}

void FileWindow::File1_Click() {
  if (QListWidgetItem* item = file1_->currentItem()) txttargetfile_->setText(item->text());
}

bool FileWindow::writeEditorText() {
  const QString path = fullPath();
  setCaption(captionWriting);
  const FileWriteResult written = [&] {
    const BusyCursor busy;
    return saveTextFile(fullPathBytes(), toStd(editor_.sourceText()));
  }();
  setCaption(captionIdle);
  if (!written.ok) {
    editor_.reportWriteError(path, written.error, this);
    return false;
  }
  editor_.markTextInFile();
  refreshFiles();
  return true;
}

void FileWindow::readerrorchk_Click() {
  if (txttargetfile_->text().trimmed().isEmpty()) {
    txttargetfile_->setText(QString::fromLatin1(workFileName));
    if (!writeEditorText()) return;
  }
  const QString path = fullPath();
  BusyCursor busy;
  setCaption(captionReading);
  const SourceReadResult read = readSourceFile(fullPathBytes());
  setCaption(captionIdle);
  if (!read.ok) {
    busy.release();
    editor_.reportReadError(path, read, this);
    return;
  }
  editor_.showFileText(editorTextOfLines(read.lines));
  editor_.checkLines(read.lines);
}

void FileWindow::mnuupdated_Click() {
  if (txttargetfile_->text().trimmed().isEmpty()) {
    editor_.dialogs().message(this, Dialogs::Icon::Warning, productTitle(),
                              view_messages::fileNameNeeded());
    return;
  }
  writeEditorText();
}

void FileWindow::mnusaved_Click() { editor_.saveAs(); }

}  // namespace casl2wb
