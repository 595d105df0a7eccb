// Form1, the editor window: the source text, the message list of the check,
// the menus and the toolbar. The main window of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "codegen/assembler.h"
#include "source/source_file.h"
#include "source/text.h"
#include "views/list_box_messages.h"

class QListWidget;
class QPlainTextEdit;
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
  QPlainTextEdit& textBox() { return *txtdpbox_; }
  QListWidget& messageList() { return *list1_; }

  // The source text, lines ended by newlines.
  QString sourceText() const;
  // Puts a text that was just read from a file into the editor.
  void showFileText(const QString& text);
  // The editor's text is now the same as a file's.
  void markTextInFile() { textInFile_ = true; }
  // Edits that no save, load or check has put into a file.
  bool hasUnsavedChanges() const;

  // Checks the lines with the listing and messages in List1; a program
  // without errors is translated as well.
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

 public slots:
  void fileopen_Click();
  void mnusave_Click();
  void printl_Click();
  void printsetting_Click();
  void errchkjika_Click();
  void jikkoug_Click();
  void syoukyo_Click();
  void mnufind_Click();
  void mnureplace_Click();
  void helpsh_Click();
  void EditCut();
  void EditCopy();
  void EditPaste();
  void Printlist();
  // The save-as routine: asks for a file name and writes the text there.
  void saveAs();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void buildToolbar();
  void txtdpbox_Change();

  WorkbenchState& state_;
  Dialogs& dialogs_;
  QPlainTextEdit* txtdpbox_ = nullptr;
  QListWidget* list1_ = nullptr;
  QToolBar* toolbar1_ = nullptr;
  std::unique_ptr<ListBoxMessages> list1Messages_;
  std::unique_ptr<Assembler> assembler_;
  QPointer<FileWindow> fileWindow_;
  QPointer<FindDialog> findDialog_;
  QPointer<ReplaceDialog> replaceDialog_;
  QPointer<HelpWindow> helpWindow_;
  bool textInFile_ = true;
  bool showingFileText_ = false;
};

}  // namespace casl2wb
