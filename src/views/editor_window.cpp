#include "views/editor_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStringList>
#include <QTextCursor>
#include <algorithm>

#include "assembler/work_file.h"
#include "base/file_paths.h"
#include "base/messages.h"
#include "base/source_file.h"
#include "documents/listings.h"
#include "qtprint/font_choice.h"
#include "views/busy_cursor.h"
#include "views/dialogs.h"
#include "views/file_error_reasons.h"
#include "views/file_window.h"
#include "views/file_window_texts.h"
#include "views/find_dialog.h"
#include "views/help_window.h"
#include "views/message_lines.h"
#include "views/object_names.h"
#include "views/print_job.h"
#include "views/product_title.h"
#include "views/replace_dialog.h"
#include "views/text_conversion.h"
#include "views/workbench_state.h"

namespace casl2wb {
namespace {

// Why a file could not be read: in Japanese where the workbench itself
// refused it, else in the system's words.
std::string readProblemText(const SourceReadResult& read) {
  switch (read.problem) {
    case ReadProblem::Folder:
      return formatMessage(Message::ReadFolder);
    case ReadProblem::NotRegularFile:
      return formatMessage(Message::ReadNotRegularFile);
    case ReadProblem::TooLarge:
      return formatMessage(Message::ReadTooLarge, {std::to_string(maxSourceFileBytes)});
    case ReadProblem::None:
    case ReadProblem::System:
      break;
  }
  return shownFileErrorReason(read.error);
}

}  // namespace

EditorWindow::EditorWindow(WorkbenchState& state, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs) {
  setObjectName(QString::fromLatin1(object_names::editorWindow));
  setWindowTitle(productTitleWithVersion());
  buildControls();
  buildMenus();
  buildToolbar();
  resize(960, 720);
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildControls() {
  sourceEdit_ = new SourceEdit;
  sourceEdit_->setObjectName(QString::fromLatin1(object_names::sourceEdit));
  sourceEdit_->setFont(fixedPitchFont(11));
  sourceEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(sourceEdit_, &QPlainTextEdit::textChanged, this, &EditorWindow::sourceTextChanged);

  messageList_ = new QListWidget;
  messageList_->setObjectName(QString::fromLatin1(object_names::messageList));
  messageList_->setFont(fixedPitchFont(10));
  messageList_->setUniformItemSizes(true);
  connect(messageList_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { showLineOfMessage(messageList_->row(item)); });

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(sourceEdit_);
  splitter->addWidget(messageList_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  setCentralWidget(splitter);
  sourceEdit_->setFocus();
}

QString EditorWindow::sourceText() const { return sourceEdit_->toPlainText(); }

void EditorWindow::showFileText(const QString& text) {
  const QString lines = withNewlines(text);
  // The same text again keeps the caret and the undo history.
  if (lines != sourceText()) {
    showingFileText_ = true;
    sourceEdit_->setPlainText(lines);
    showingFileText_ = false;
  }
  textInFile_ = true;
}

bool EditorWindow::hasUnsavedChanges() const { return !textInFile_ && !sourceText().isEmpty(); }

void EditorWindow::sourceTextChanged() {
  if (!showingFileText_) textInFile_ = false;
  const bool hasText = !sourceEdit_->document()->isEmpty();
  for (const char* name : {object_names::cutAction, object_names::copyAction,
                           object_names::findAction, object_names::replaceAction}) {
    if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) action->setEnabled(hasText);
  }
}

void EditorWindow::setTextFile(const std::string& pathBytes, const QString& shownPath) {
  textFile_ = pathBytes;
  setWindowTitle(shownPath);
  textInFile_ = true;
}

void EditorWindow::checkLines(const std::vector<Text>& lines) {
  state_.program = state_.assembler.assemble(lines, state_.machine.memory);
  state_.machine.load(state_.program);
  QStringList items;
  items.reserve(static_cast<qsizetype>(state_.program.messages.size()));
  for (const std::string& item : state_.program.messages) items.append(fromStd(item));
  messageList_->clear();
  messageList_->addItems(items);
  const auto linesRead =
      static_cast<int>(std::min(lines.size(), static_cast<std::size_t>(SourceTable::maxLines)));
  messageLines_ = messageListLines(state_.program, linesRead);
  sourceEdit_->markErrorLines(errorLinesOf(state_.program));
  // A check that finds errors translates nothing and leaves the trace text.
  if (state_.program.traceText) state_.traceText.setText(*state_.program.traceText);
  emit programChecked();
}

FileWindow& EditorWindow::fileWindow() {
  if (!fileWindow_) fileWindow_ = new FileWindow(*this, QDir::currentPath());
  return *fileWindow_;
}

void EditorWindow::reportWriteError(const QString& path, const std::string& reason,
                                    QWidget* parent) {
  dialogs_.message(parent != nullptr ? parent : this, Dialogs::Icon::Error, productTitle(),
                   shownMessage(Message::CannotWrite, {toStd(path), shownFileErrorReason(reason)}));
}

void EditorWindow::reportReadError(const QString& path, const SourceReadResult& read,
                                   QWidget* parent) {
  dialogs_.message(parent != nullptr ? parent : this, Dialogs::Icon::Error, productTitle(),
                   shownMessage(Message::CannotRead, {toStd(path), readProblemText(read)}));
}

void EditorWindow::openFileWindow() {
  FileWindow& window = fileWindow();
  // Showing a hidden window reads its lists afresh; a shown one is brought
  // up to date here.
  if (window.isVisible()) window.rereadLists();
  window.show();
  window.raise();
  window.activateWindow();
}

void EditorWindow::saveAs() {
  const QString folder = fileWindow_ ? fileWindow_->folderPath() : QDir::currentPath();
  const QString path =
      dialogs_.saveFileName(this, QString::fromUtf8(file_window_texts::saveAsAction), folder,
                            QString::fromUtf8(file_window_texts::fileFilter));
  if (path.isEmpty()) return;
  const FileWriteResult written = [&] {
    const BusyCursor busy;
    return saveTextFile(QFile::encodeName(path).toStdString(), toStd(sourceText()));
  }();
  if (!written.ok) {
    reportWriteError(path, written.error);
    return;
  }
  setTextFile(QFile::encodeName(path).toStdString(), path);
  if (fileWindow_) fileWindow_->rereadLists();
}

void EditorWindow::checkProgram() {
  const std::string& folder = state_.workFolder;
  if (std::string error = makeOwnerOnlyFolder(folder); !error.empty()) {
    dialogs_.message(this, Dialogs::Icon::Error, productTitle(),
                     shownMessage(Message::WorkFileFailed, {folder, shownFileErrorReason(error)}));
    return;
  }
  BusyCursor busy;
  const WorkFileResult result = passThroughWorkFile(toStd(sourceText()), folder, fileWindow());
  if (!result.ok) busy.release();
  if (result.textTooLarge) {
    dialogs_.message(
        this, Dialogs::Icon::Error, productTitle(),
        shownMessage(Message::TextTooLargeToCheck, {std::to_string(maxSourceFileBytes)}));
    return;
  }
  if (!result.ok) {
    dialogs_.message(this, Dialogs::Icon::Error, productTitle(),
                     shownMessage(Message::WorkFileFailed,
                                  {result.workFile, shownFileErrorReason(result.error)}));
    return;
  }
  // The text first, so that the marks of the check's errors go onto its lines.
  showFileText(fromStd(result.editorText));
  checkLines(result.lines);
}

void EditorWindow::showExecutionWindows() { emit executionWindowsRequested(); }

// Edits that are in no file are only thrown away when the user says so.
void EditorWindow::clearScreen() {
  if (hasUnsavedChanges() &&
      !dialogs_.question(this, productTitle(), shownMessage(Message::DiscardChanges))) {
    return;
  }
  sourceEdit_->clear();
  messageList_->clear();
  messageLines_.clear();
  // The empty text comes from no file.
  textFile_.clear();
  setWindowTitle(productTitleWithVersion());
}

void EditorWindow::showLineOfMessage(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= messageLines_.size()) return;
  const int line = messageLines_[static_cast<std::size_t>(row)];
  if (line > 0) sourceEdit_->goToLine(line);
}

void EditorWindow::cut() {
  QTextCursor cursor = sourceEdit_->textCursor();
  if (!cursor.hasSelection()) return;
  QApplication::clipboard()->setText(sourceEdit_->toPlainText().mid(
      cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
  cursor.removeSelectedText();
  sourceEdit_->setTextCursor(cursor);
}

void EditorWindow::copy() {
  const QTextCursor cursor = sourceEdit_->textCursor();
  if (!cursor.hasSelection()) return;
  QApplication::clipboard()->setText(sourceEdit_->toPlainText().mid(
      cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
}

void EditorWindow::paste() {
  const QMimeData* clipboardData = QApplication::clipboard()->mimeData();
  if (clipboardData == nullptr || !clipboardData->hasText()) return;
  const QString text = withNewlines(clipboardData->text());
  if (text.isEmpty()) return;
  QTextCursor cursor = sourceEdit_->textCursor();
  cursor.insertText(text);
  sourceEdit_->setTextCursor(cursor);
}

// A find or replace dialog closed by its Cancel button is unloaded: the next
// opening makes a new one even before the old one is deleted.
void EditorWindow::openFindDialog() {
  if (!findDialog_ || !findDialog_->isVisible())
    findDialog_ = new FindDialog(*sourceEdit_, dialogs_, this);
  findDialog_->show();
  findDialog_->raise();
  findDialog_->activateWindow();
}

void EditorWindow::openReplaceDialog() {
  if (!replaceDialog_ || !replaceDialog_->isVisible())
    replaceDialog_ = new ReplaceDialog(*sourceEdit_, dialogs_, this);
  replaceDialog_->show();
  replaceDialog_->raise();
  replaceDialog_->activateWindow();
}

void EditorWindow::showHelp() {
  if (!helpWindow_) helpWindow_ = new HelpWindow(this);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

// One dialog chooses the printer and the page set-up that the next print
// dialog offers.
void EditorWindow::setUpPrinter() { dialogs_.setUpPrinter(this, state_.printer()); }

// The program list followed by the memory as the last translation or run
// left it.
void EditorWindow::printProgramAndMemory() {
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printProgramAndMemory(printer, state_.program.source, state_.machine.memory);
  });
}

void EditorWindow::printProgramList() {
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printProgramList(printer, state_.program.source);
  });
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (hasUnsavedChanges() &&
      !dialogs_.question(this, productTitle(), shownMessage(Message::DiscardChanges))) {
    event->ignore();
    return;
  }
  event->accept();
  emit programEnded();
}

}  // namespace casl2wb
