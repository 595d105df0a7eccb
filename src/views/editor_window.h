// The editor window: the source text, the message list of the check, the
// menus, the toolbar and a status line. The main window of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "assembler/dialect.h"
#include "base/source_file.h"
#include "base/text.h"
#include "views/edited_text.h"
#include "views/source_edit.h"

class QLabel;
class QListWidget;
class QPushButton;
class QToolBar;

namespace casl2wb {

class Dialogs;
class EditorRecovery;
class FileWindow;
class FindDialog;
class HelpWindow;
class ReplaceDialog;
class WorkbenchState;

class EditorWindow : public QMainWindow, public EditedText {
  Q_OBJECT

 public:
  EditorWindow(WorkbenchState& state, Dialogs& dialogs, QWidget* parent = nullptr);
  ~EditorWindow() override;

  WorkbenchState& state() { return state_; }
  Dialogs& dialogs() override { return dialogs_; }
  SourceEdit& sourceEdit() { return *sourceEdit_; }
  QListWidget& messageList() { return *messageList_; }

  // The source text, lines ended by newlines.
  QString sourceText() const override;
  // Puts a text that was just read from a file into the editor.
  void showFileText(const QString& text) override;
  // The editor's text was just loaded from or saved to this file (its bytes,
  // and as it is shown): the text is the file's, and the caption names it.
  void setTextFile(const std::string& pathBytes, const QString& shownPath) override;
  // The file the text was last loaded from or saved to; empty when there is
  // none (a new text, or after the clear command).
  const std::string& textFile() const override { return textFile_; }
  // Whether the text differs from the text of its file when it was last
  // loaded or saved, or holds anything while it has no file. A check does
  // not save.
  bool hasUnsavedChanges() const override { return unsaved_; }
  QWidget& editorWidget() override { return *this; }
  void showStatus(const QString& message) override;

  // Asks first when the text is unsaved: the user saves it (to its file, or
  // under a name asked for), drops it, or keeps it. True when the text may
  // go. `loadedPath` is the file about to be loaded.
  bool mayDropText(Dropping what, const QString& loadedPath = {}) override;

  // Puts a text that an ended program left into the editor, as the text of
  // `sourceFile` (its bytes; empty for none) with unsaved changes.
  void restoreText(const QString& text, const std::string& sourceFile) override;

  // Assembles the lines onto the memory as the last translation or run left
  // it and loads the program into the machine; the message list shows the
  // listing and messages, and a translated program's trace text goes to the
  // trace window. The editor shows the first line with an error.
  void checkLines(const std::vector<Text>& lines) override;

  // The file window, created on first use (not shown by this).
  FileWindow& fileWindow();

  // Reports a file that could not be written or read, with the system's
  // reason, in a message box over `parent` (this window when null).
  void reportWriteError(const QString& path, const std::string& reason,
                        QWidget* parent = nullptr) override;
  void reportReadError(const QString& path, const SourceReadResult& read,
                       QWidget* parent = nullptr) override;

 signals:
  // The user ended the program ("閉じる", "終了" or closing the window).
  void programEnded();
  // "実行画面(&E)": the execution and trace windows are to be shown.
  void executionWindowsRequested();
  // A check has made a new program (its listing is in the message list).
  void programChecked();
  // The user chose the other dialect: the last check's program is no
  // longer the text's.
  void dialectChanged();

 public slots:
  void openFileWindow();
  // Asks for a file name and writes the text there.
  void saveAs() override;
  // Writes the text to its own file; asks for a name when it has none.
  // False when nothing was written.
  bool saveToTextFile();
  void printProgramAndMemory();
  void setUpPrinter();
  void checkProgram();
  void showExecutionWindows();
  void clearScreen();
  void openFindDialog();
  void openReplaceDialog();
  void showHelp();
  // F1: the help at the instruction of the caret's line.
  void showHelpAtCursor();
  void cut();
  void copy();
  void paste();
  void printProgramList();
  // Offers the texts that programs which ended without removing their
  // recovery files left behind (at start).
  void offerRecoveries();
  // F8 and Shift+F8: the next and the previous line with an error.
  void goToNextError();
  void goToPreviousError();
  // Ctrl+G: asks for a line number and goes there.
  void goToLine();
  // F9: sets or clears the breakpoint of the caret's line.
  void toggleBreakpoint();
  // "CASL II 規格" and "ワークベンチ方言": the language of the text from now
  // on, remembered; the text must be checked again before it runs.
  void chooseDialect(Dialect dialect);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void buildKeys();
  void buildToolbar();
  void buildStatusLine();
  void buildDialectMenu();
  // The dialect's part of the status line and its menu's check marks.
  void showDialect();
  // checkLines for a text in standard CASL II (editor_dialect.cpp).
  void checkStandardLines(const std::vector<Text>& lines);
  // The message list and the error marks of a check.
  void showCheckResult(const QStringList& items, std::vector<int> lines,
                       const std::map<int, QStringList>& errors, int linesRead);
  // The text changed, or the file it is the text of: the enable rules, the
  // caption, the recovery file, the tab notice and whether the program of
  // the last check is still the text's.
  void textStateChanged();
  void updateCaption();
  bool saveTextAs();
  bool writeTextTo(const std::string& pathBytes, const QString& shownPath);
  // Shows the source line of the message list's item in the editor.
  void showLineOfMessage(int row);

  WorkbenchState& state_;
  Dialogs& dialogs_;
  SourceEdit* sourceEdit_ = nullptr;
  QListWidget* messageList_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QLabel* tabNotice_ = nullptr;
  QPushButton* convertTabsButton_ = nullptr;
  QLabel* dialectStatus_ = nullptr;
  QPointer<FileWindow> fileWindow_;
  QPointer<FindDialog> findDialog_;
  QPointer<ReplaceDialog> replaceDialog_;
  QPointer<HelpWindow> helpWindow_;
  EditorRecovery* recovery_ = nullptr;

  // The file of the text (its bytes, and as it is shown), and the text it
  // held when the editor last loaded or saved it.
  std::string textFile_;
  QString textFileShown_;
  QString fileText_;
  bool unsaved_ = false;
  // The text of the last check; none before the first and after clearing.
  std::optional<QString> checkedText_;
  // The source line of each item of the message list (0: none), as the
  // check numbered them.
  std::vector<int> messageLines_;
};

}  // namespace casl2wb
