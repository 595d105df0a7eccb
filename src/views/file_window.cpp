#include "views/file_window.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <filesystem>
#include <system_error>

#include "base/file_paths.h"
#include "base/messages.h"
#include "base/source_file.h"
#include "views/busy_cursor.h"
#include "views/dialogs.h"
#include "views/drive_list.h"
#include "views/edited_text.h"
#include "views/file_names.h"
#include "views/file_window_texts.h"
#include "views/folder_list.h"
#include "views/object_names.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb {
namespace {

namespace texts = file_window_texts;
namespace names = object_names;

constexpr int nameRole = Qt::UserRole;  // the file name's bytes

}  // namespace

// A dialog-type window of the editor stays in front of it (the window
// system keeps a window with an owner above the owner); it keeps the
// buttons of a main window.
FileWindow::FileWindow(EditedText& editor, QWidget* owner, const QString& folder)
    : QMainWindow(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      editor_(editor) {
  setObjectName(QString::fromLatin1(names::fileWindow));
  setWindowTitle(productTitle());
  buildControls();
  buildMenus();
  setFolderPath(folder);
  resize(560, 420);
}

void FileWindow::buildControls() {
  driveList_ = new QComboBox;
  driveList_->setObjectName(QString::fromLatin1(names::driveList));
  fillDrives();
  connect(driveList_, &QComboBox::activated, this, &FileWindow::driveChosen);

  folderList_ = new FolderList;
  folderList_->setObjectName(QString::fromLatin1(names::folderList));
  connect(folderList_, &FolderList::pathChanged, this, &FileWindow::folderChosen);

  fileList_ = new QListWidget;
  fileList_->setObjectName(QString::fromLatin1(names::fileList));
  connect(fileList_, &QListWidget::itemClicked, this, &FileWindow::fileChosen);
  connect(fileList_, &QListWidget::itemActivated, this, &FileWindow::fileChosen);

  fileNameLabel_ = new QLabel(QString::fromUtf8(texts::fileNameLabel));
  fileNameLabel_->setObjectName(QString::fromLatin1(names::fileNameLabel));
  fileNameEdit_ = new QLineEdit;
  fileNameEdit_->setObjectName(QString::fromLatin1(names::fileNameEdit));
  fileNameLabel_->setBuddy(fileNameEdit_);

  auto* central = new QWidget;
  auto* layout = new QGridLayout(central);
  layout->addWidget(driveList_, 0, 0);
  layout->addWidget(folderList_, 1, 0);
  layout->addWidget(fileList_, 0, 1, 2, 1);
  layout->addWidget(fileNameLabel_, 2, 0);
  layout->addWidget(fileNameEdit_, 2, 1);
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
      {names::loadAndCheckAction, texts::loadAndCheckAction, &FileWindow::loadAndCheck},
      {names::fileSaveAction, texts::saveAction, &FileWindow::save},
      {names::fileSaveAsAction, texts::saveAsAction, &FileWindow::saveAs},
  };
  for (const Item& item : items) {
    QAction* action = menuBar()->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    connect(action, &QAction::triggered, this, item.command);
  }
}

void FileWindow::fillDrives() {
  const QString shown = driveList_->currentText();
  driveList_->clear();
  driveList_->addItems(driveRoots());
  if (!shown.isEmpty()) {
    int index = driveList_->findText(shown);
    if (index < 0) {
      driveList_->addItem(shown);
      index = driveList_->count() - 1;
    }
    driveList_->setCurrentIndex(index);
  }
}

void FileWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  rereadLists();
}

void FileWindow::rereadLists() {
  fillDrives();
  folderList_->reread();
  refreshFiles();
}

void FileWindow::report(WorkFileProgress progress) {
  setWindowTitle(QString::fromUtf8(texts::captionOf(progress)));
}

QString FileWindow::folderPath() const { return folderList_->path(); }

void FileWindow::setFolderPath(const QString& folder) {
  folderList_->setPath(QFile::encodeName(folder).toStdString());
  const QString drive = driveOf(folderList_->path(), driveRoots());
  int index = driveList_->findText(drive);
  if (index < 0) {
    driveList_->addItem(drive);
    index = driveList_->count() - 1;
  }
  driveList_->setCurrentIndex(index);
}

QString FileWindow::fullPath() const { return displayName(fullPathBytes()); }

std::string FileWindow::fullPathBytes() const {
  const QString name = fileNameEdit_->text();
  for (int row = 0; row < fileList_->count(); ++row) {
    const QListWidgetItem* item = fileList_->item(row);
    if (item->text() == name) {
      return joinPath(folderList_->pathBytes(), item->data(nameRole).toByteArray().toStdString());
    }
  }
  return joinPath(folderList_->pathBytes(), toStd(name));
}

void FileWindow::driveChosen() {
  folderList_->setPath(QFile::encodeName(driveList_->currentText()).toStdString());
}

// A name typed or chosen in one folder names no file of another: the name
// box empties when the folder changes.
void FileWindow::folderChosen() {
  if (folderList_->pathBytes() != listedFolder_) fileNameEdit_->clear();
  refreshFiles();
}

void FileWindow::refreshFiles() {
  listedFolder_ = folderList_->pathBytes();
  fileList_->clear();
  const QString name = fileNameEdit_->text();
  for (const std::string& entry : folderEntries(listedFolder_, EntryKind::TextFile)) {
    auto* item = new QListWidgetItem(displayName(entry), fileList_);
    item->setData(nameRole, QByteArray::fromStdString(entry));
    if (item->text() == name) fileList_->setCurrentItem(item);
  }
}

void FileWindow::fileChosen() {
  if (QListWidgetItem* item = fileList_->currentItem()) fileNameEdit_->setText(item->text());
}

bool FileWindow::writeEditorText() {
  const QString path = fullPath();
  report(WorkFileProgress::Writing);
  const FileWriteResult written = [&] {
    const BusyCursor busy;
    return saveTextFile(fullPathBytes(), toStd(editor_.sourceText()));
  }();
  report(WorkFileProgress::Idle);
  if (!written.ok) {
    editor_.reportWriteError(path, written.error, this);
    return false;
  }
  editor_.setTextFile(fullPathBytes(), path);
  rereadLists();
  return true;
}

bool FileWindow::mayOverwrite() {
  const std::filesystem::path target(fullPathBytes());
  std::error_code error;
  if (!std::filesystem::exists(target, error) || std::filesystem::is_directory(target, error)) {
    return true;
  }
  const std::string& own = editor_.textFile();
  if (!own.empty() && std::filesystem::equivalent(target, own, error)) return true;
  return editor_.dialogs().question(this, productTitle(),
                                    shownMessage(Message::OverwriteFile, {toStd(fullPath())}));
}

void FileWindow::loadAndCheck() {
  const bool named = !fileNameEdit_->text().trimmed().isEmpty();
  if (!named) {
    // The editor's text is saved under the work file's name and loaded
    // from there: nothing of it is lost, and another file of that name is
    // only replaced when the user agrees.
    fileNameEdit_->setText(QString::fromLatin1(workFileName));
    if (!mayOverwrite() || !writeEditorText()) return;
  }
  const QString path = fullPath();
  const std::string pathBytes = fullPathBytes();
  BusyCursor busy;
  report(WorkFileProgress::Reading);
  const SourceReadResult read = readSourceFile(pathBytes);
  report(WorkFileProgress::Idle);
  busy.release();
  if (!read.ok) {
    editor_.reportReadError(path, read, this);
    return;
  }
  // A file that can be read replaces the editor's text only when no
  // unsaved edit goes with it.
  if (named && !editor_.mayDropText(Dropping::Load, path)) return;
  const BusyCursor checking;
  editor_.showFileText(editorTextOfLines(read.lines));
  editor_.setTextFile(pathBytes, path);
  editor_.checkLines(read.lines);
}

void FileWindow::save() {
  if (fileNameEdit_->text().trimmed().isEmpty()) {
    editor_.dialogs().message(this, Dialogs::Icon::Warning, productTitle(),
                              shownMessage(Message::FileNameNeeded));
    return;
  }
  if (!mayOverwrite()) return;
  writeEditorText();
}

void FileWindow::saveAs() { editor_.saveAs(); }

}  // namespace casl2wb
