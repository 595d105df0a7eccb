// The file window: a drive list, a folder list, the "*.txt" files of
// the folder and a file name, with the commands that load and check a file,
// save the editor text, or save it under a new name. Its caption shows the
// progress of every work-file step, the editor's check included.
#pragma once

#include <QMainWindow>
#include <string>

#include "assembler/work_file_progress.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace casl2wb {

class EditedText;
class FolderList;

class FileWindow : public QMainWindow, public WorkFileProgressSink {
  Q_OBJECT

 public:
  // Loads and saves the text of `editor`, stays in front of `owner` (the
  // editor window, which owns it), and starts in `folder`.
  FileWindow(EditedText& editor, QWidget* owner, const QString& folder);

  // Shows the progress of a work-file step in the caption.
  void report(WorkFileProgress progress) override;

  // The folder as it is shown.
  QString folderPath() const;
  void setFolderPath(const QString& folder);
  // The folder, "/" unless the folder ends in one, then the file name: as it
  // is shown, and as the bytes that name the file (a name shown in the file
  // list stands for that file's own bytes, whatever its encoding).
  QString fullPath() const;
  std::string fullPathBytes() const;
  // Lists the folder's files again (after a file was written).
  void refreshFiles();
  // Reads the drives, the folder list and the file list afresh, so that what
  // was made or removed meanwhile shows; the chosen folder and file name stay.
  void rereadLists();

 public slots:
  // Loads the named file into the editor and checks it, after asking when
  // the editor's text is unsaved; without a name, the editor text is first
  // saved under the work file's name and loaded from there.
  void loadAndCheck();
  // Writes the editor text to the named file.
  void save();
  // The editor's save-as routine.
  void saveAs();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void fillDrives();
  void driveChosen();
  void folderChosen();
  void fileChosen();
  bool writeEditorText();
  // Whether the named file may be written: it is new, it is the editor's
  // own file, or the user agrees to overwrite it.
  bool mayOverwrite();

  EditedText& editor_;
  QComboBox* driveList_ = nullptr;
  FolderList* folderList_ = nullptr;
  QListWidget* fileList_ = nullptr;
  QLabel* fileNameLabel_ = nullptr;
  QLineEdit* fileNameEdit_ = nullptr;
  // The folder whose files are listed: a change empties the file name.
  std::string listedFolder_;
};

}  // namespace casl2wb
