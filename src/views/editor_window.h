// The editor window: the source text, the message list of the check, the
// menus and the toolbar. The main window of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <string>
#include <vector>

#include "base/source_file.h"
#include "base/text.h"
#include "views/source_edit.h"

class QListWidget;
class QToolBar;

namespace casl2wb {

class Dialogs;
class FileWindow;
class FindDialog;
class HelpWindow;
class ReplaceDialog;
class WorkbenchState;

class EditorWindow : public QMainWindow {
  Q_OBJECT

 public:
  EditorWindow(WorkbenchState& state, Dialogs& dialogs, QWidget* parent = nullptr);
  ~EditorWindow() override;

  WorkbenchState& state() { return state_; }
  Dialogs& dialogs() { return dialogs_; }
  QPlainTextEdit& sourceEdit() { return *sourceEdit_; }
  QListWidget& messageList() { return *messageList_; }

  // The source text, lines ended by newlines.
  QString sourceText() const;
  // Puts a text that was just read from a file into the editor.
  void showFileText(const QString& text);
  // The editor's text was just loaded from or saved to this file (its bytes,
  // and as it is shown): it is the same as the file's, and the caption names
  // the file.
  void setTextFile(const std::string& pathBytes, const QString& shownPath);
  // The file the text was last loaded from or saved to; empty when there is
  // none (a new text, or after the clear command).
  const std::string& textFile() const { return textFile_; }
  // Edits that no save, load or check has put into a file.
  bool hasUnsavedChanges() const;

  // Assembles the lines onto the memory as the last translation or run left
  // it and loads the program into the machine; the message list shows the
  // listing and messages, and a translated program's trace text goes to the
  // trace window.
  void checkLines(const std::vector<Text>& lines);

  // The file window, created on first use (not shown by this).
  FileWindow& fileWindow();

  // Reports a file that could not be written or read, with the system's
  // reason, in a message box over `parent` (this window when null).
  void reportWriteError(const QString& path, const std::string& reason, QWidget* parent = nullptr);
  void reportReadError(const QString& path, const SourceReadResult& read,
                       QWidget* parent = nullptr);

 signals:
  // The user ended the program ("閉じる", "終了" or closing the window).
  void programEnded();
  // "実行画面(&E)": the execution and trace windows are to be shown.
  void executionWindowsRequested();
  // A check has made a new program (its listing is in the message list).
  void programChecked();

 public slots:
  void openFileWindow();
  // Asks for a file name and writes the text there.
  void saveAs();
  void printProgramAndMemory();
  void setUpPrinter();
  void checkProgram();
  void showExecutionWindows();
  void clearScreen();
  void openFindDialog();
  void openReplaceDialog();
  void showHelp();
  void cut();
  void copy();
  void paste();
  void printProgramList();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void buildToolbar();
  void sourceTextChanged();
  // Shows the source line of the message list's item in the editor.
  void showLineOfMessage(int row);

  WorkbenchState& state_;
  Dialogs& dialogs_;
  SourceEdit* sourceEdit_ = nullptr;
  QListWidget* messageList_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QPointer<FileWindow> fileWindow_;
  QPointer<FindDialog> findDialog_;
  QPointer<ReplaceDialog> replaceDialog_;
  QPointer<HelpWindow> helpWindow_;
  bool textInFile_ = true;
  bool showingFileText_ = false;
  std::string textFile_;
  // The source line of each item of the message list (0: none).
  std::vector<int> messageLines_;
};

}  // namespace casl2wb
