// Form2, the file window: a drive list, a folder list, the "*.txt" files of
// the folder and a file name, with the commands that load and check a file,
// save the editor text, or save it under a new name. Its caption shows the
// progress of every work-file step, the editor's check included.
#pragma once

#include <QMainWindow>
#include <string>

#include "source/caption_sink.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace casl2wb {

class EditorWindow;
class FolderList;

class FileWindow : public QMainWindow, public CaptionSink {
  Q_OBJECT

 public:
  // Owned by the editor window; starts in `folder`.
  FileWindow(EditorWindow& editor, const QString& folder);

  void setCaption(const std::string& caption) override;

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

 public slots:
  void readerrorchk_Click();
  void mnuupdated_Click();
  void mnusaved_Click();

 private:
  void buildControls();
  void buildMenus();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  bool writeEditorText();

  EditorWindow& editor_;
  QComboBox* drive1_ = nullptr;
  FolderList* dir1_ = nullptr;
  QListWidget* file1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLineEdit* txttargetfile_ = nullptr;
};

}  // namespace casl2wb
