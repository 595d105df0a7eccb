#include "views/editor_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QTextCursor>

#include "assembler/listing_text.h"
#include "assembler/work_file.h"
#include "base/file_paths.h"
#include "base/messages.h"
#include "base/source_file.h"
#include "documents/listings.h"
#include "documents/message_lines.h"
#include "documents/standard_texts.h"
#include "qtprint/font_choice.h"
#include "views/busy_cursor.h"
#include "views/dialogs.h"
#include "views/editor_recovery.h"
#include "views/editor_texts.h"
#include "views/file_error_reasons.h"
#include "views/file_window.h"
#include "views/find_dialog.h"
#include "views/help_window.h"
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
  buildKeys();
  buildToolbar();
  buildStatusLine();
  showDialect();
  recovery_ = new EditorRecovery(*this, state_.workFolder);
  resize(960, 720);
}

// The text box goes with the window's children; what it signals then is of
// no window any more.
EditorWindow::~EditorWindow() { disconnect(sourceEdit_, nullptr, this, nullptr); }

void EditorWindow::buildStatusLine() {
  tabNotice_ = new QLabel(shownMessage(Message::TabsInText));
  tabNotice_->setObjectName(QString::fromLatin1(object_names::tabNotice));
  convertTabsButton_ = new QPushButton(QString::fromUtf8(editor_texts::convertTabsButton));
  convertTabsButton_->setObjectName(QString::fromLatin1(object_names::convertTabsButton));
  connect(convertTabsButton_, &QPushButton::clicked, sourceEdit_, &SourceEdit::convertTabsToSpaces);
  statusBar()->addWidget(tabNotice_);
  statusBar()->addWidget(convertTabsButton_);
  dialectStatus_ = new QLabel;
  dialectStatus_->setObjectName(QString::fromLatin1(object_names::dialectStatus));
  statusBar()->addPermanentWidget(dialectStatus_);
  tabNotice_->hide();
  convertTabsButton_->hide();
}

void EditorWindow::buildControls() {
  sourceEdit_ = new SourceEdit;
  sourceEdit_->setObjectName(QString::fromLatin1(object_names::sourceEdit));
  sourceEdit_->setFont(fixedPitchFont(11));
  sourceEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(sourceEdit_, &QPlainTextEdit::textChanged, this, &EditorWindow::textStateChanged);

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
  // The same text again keeps the caret, the undo history and the marks.
  if (lines == sourceText()) return;
  sourceEdit_->clearCheck();
  sourceEdit_->clearBreakpoints();
  sourceEdit_->setPlainText(lines);
}

void EditorWindow::checkLines(const std::vector<Text>& lines) {
  if (state_.dialect == Dialect::Standard) {
    checkStandardLines(lines);
    return;
  }
  state_.program = state_.assembler.assemble(lines, state_.machine.cpu().memory);
  state_.machine.load(state_.program);
  QStringList items;
  items.reserve(static_cast<qsizetype>(state_.program.listing.size()));
  for (const ListingItem& item : state_.program.listing) items.append(fromStd(listingText(item)));
  std::map<int, QStringList> errors;
  for (const auto& [line, texts] : messagesByLine(state_.program)) {
    for (const std::string& message : texts) errors[line].append(fromStd(message));
  }
  showCheckResult(items, messageListLines(state_.program), errors, state_.program.linesRead);
  // A check that finds errors translates nothing and leaves the trace text.
  if (state_.program.traceText) state_.traceText.setText(*state_.program.traceText);
  emit programChecked();
}

void EditorWindow::showCheckResult(const QStringList& items, std::vector<int> lines,
                                   const std::map<int, QStringList>& errors, int linesRead) {
  messageList_->clear();
  messageList_->addItems(items);
  messageLines_ = std::move(lines);
  sourceEdit_->showCheck(linesRead, errors);
  if (!errors.empty()) sourceEdit_->goToLine(errors.begin()->first);
  checkedText_ = sourceText();
  textStateChanged();
}

FileWindow& EditorWindow::fileWindow() {
  if (!fileWindow_) fileWindow_ = new FileWindow(*this, this, QDir::currentPath());
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
  // It has the lines of the editor's text (a last line end may be added), so
  // the breakpoints stay on theirs.
  const std::vector<int> breakpoints = sourceEdit_->breakpointLines();
  showFileText(fromStd(result.editorText));
  sourceEdit_->setBreakpoints(breakpoints);
  checkLines(result.lines);
}

void EditorWindow::showExecutionWindows() { emit executionWindowsRequested(); }

// Text that no file holds is only thrown away when the user says so.
void EditorWindow::clearScreen() {
  if (!mayDropText(Dropping::Clear)) return;
  sourceEdit_->clearCheck();
  sourceEdit_->clearBreakpoints();
  sourceEdit_->clear();
  messageList_->clear();
  messageLines_.clear();
  // The empty text comes from no file, and no check made a program of it.
  textFile_.clear();
  textFileShown_.clear();
  fileText_.clear();
  checkedText_.reset();
  textStateChanged();
}

void EditorWindow::showLineOfMessage(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= messageLines_.size()) return;
  const int line = messageLines_[static_cast<std::size_t>(row)];
  // The line where the check's line is now, after the edits since.
  if (line > 0) sourceEdit_->goToLine(sourceEdit_->currentLineOf(line));
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
  if (state_.dialect == Dialect::Standard) {
    printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
      standard::printLines(printer, standard::listingTexts(state_.standard.program));
    });
    return;
  }
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printProgramAndMemory(printer, state_.program.source, state_.machine.cpu().memory);
  });
}

void EditorWindow::printProgramList() {
  if (state_.dialect == Dialect::Standard) {
    printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
      standard::printLines(printer, standard::codeListingTexts(state_.standard.program));
    });
    return;
  }
  printOnChosenPrinter(this, state_, dialogs_, [this](Printer& printer) {
    casl2wb::printProgramList(printer, state_.program.source);
  });
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (!mayDropText(Dropping::End)) {
    event->ignore();
    return;
  }
  event->accept();
  emit programEnded();
}

}  // namespace casl2wb
