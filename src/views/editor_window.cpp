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
#include <QTextCursor>

#include "printing/listings.h"
#include "source/file_paths.h"
#include "source/source_file.h"
#include "source/work_file.h"
#include "views/busy_cursor.h"
#include "views/dialogs.h"
#include "views/file_window.h"
#include "views/find_dialog.h"
#include "views/font_choice.h"
#include "views/form2_texts.h"
#include "views/help_window.h"
#include "views/print_job.h"
#include "views/product_title.h"
#include "views/replace_dialog.h"
#include "views/text_conversion.h"
#include "views/view_messages.h"
#include "views/workbench_state.h"

namespace casl2wb {

EditorWindow::EditorWindow(WorkbenchState& state, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(productTitleWithVersion());
  buildControls();
  buildMenus();
  buildToolbar();
  list1Messages_ = std::make_unique<ListBoxMessages>(*list1_);
  assembler_ =
      std::make_unique<Assembler>(state_.table, state_.memory, *list1Messages_, state_.traceText);
  resize(960, 720);
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildControls() {
  txtdpbox_ = new QPlainTextEdit;
  txtdpbox_->setObjectName(QStringLiteral("txtdpbox"));
  txtdpbox_->setFont(fixedPitchFont(11));
  txtdpbox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(txtdpbox_, &QPlainTextEdit::textChanged, this, &EditorWindow::txtdpbox_Change);

  list1_ = new QListWidget;
  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setFont(fixedPitchFont(10));
  list1_->setUniformItemSizes(true);

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(txtdpbox_);
  splitter->addWidget(list1_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  setCentralWidget(splitter);
  txtdpbox_->setFocus();
}

QString EditorWindow::sourceText() const { return txtdpbox_->toPlainText(); }

void EditorWindow::showFileText(const QString& text) {
  const QString lines = withNewlines(text);
  // The same text again keeps the caret and the undo history.
  if (lines != sourceText()) {
    showingFileText_ = true;
    txtdpbox_->setPlainText(lines);
    showingFileText_ = false;
  }
  textInFile_ = true;
}

bool EditorWindow::hasUnsavedChanges() const { return !textInFile_ && !sourceText().isEmpty(); }

void EditorWindow::txtdpbox_Change() {
  if (!showingFileText_) textInFile_ = false;
  const bool hasText = !txtdpbox_->document()->isEmpty();
  for (const char* name : {"mnucut", "mnucopy", "mnufind", "mnureplace"}) {
    if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) action->setEnabled(hasText);
  }
}

void EditorWindow::checkLines(const std::vector<Text>& lines) {
  assembler_->checker.checkLines(lines);
}

FileWindow& EditorWindow::fileWindow() {
  if (!fileWindow_) fileWindow_ = new FileWindow(*this, QDir::currentPath());
  return *fileWindow_;
}

void EditorWindow::reportWriteError(const QString& path, const std::string& reason,
                                    QWidget* parent) {
  dialogs_.message(parent != nullptr ? parent : this, Dialogs::Icon::Error, productTitle(),
                   view_messages::cannotWrite(path, fromStd(reason)));
}

void EditorWindow::reportReadError(const QString& path, const SourceReadResult& read,
                                   QWidget* parent) {
  dialogs_.message(parent != nullptr ? parent : this, Dialogs::Icon::Error, productTitle(),
                   view_messages::cannotRead(path, view_messages::readProblem(read)));
}

void EditorWindow::fileopen_Click() {
  FileWindow& window = fileWindow();
  window.show();
  window.raise();
  window.activateWindow();
}

void EditorWindow::mnusave_Click() { saveAs(); }

void EditorWindow::saveAs() {
  const QString folder = fileWindow_ ? fileWindow_->folderPath() : QDir::currentPath();
  const QString path = dialogs_.saveFileName(this, QString::fromUtf8(form2_texts::mnusaved), folder,
                                             QString::fromUtf8(form2_texts::fileFilter));
  if (path.isEmpty()) return;
  const FileWriteResult written = [&] {
    const BusyCursor busy;
    return saveTextFile(QFile::encodeName(path).toStdString(), toStd(sourceText()));
  }();
  if (!written.ok) {
    reportWriteError(path, written.error);
    return;
  }
  setWindowTitle(path);
  textInFile_ = true;
  if (fileWindow_) fileWindow_->refreshFiles();
}

void EditorWindow::errchkjika_Click() {
  const std::string& folder = state_.workFolder;
  if (std::string error = makeOwnerOnlyFolder(folder); !error.empty()) {
    dialogs_.message(this, Dialogs::Icon::Error, productTitle(),
                     view_messages::workFileFailed(fromStd(folder), fromStd(error)));
    return;
  }
  BusyCursor busy;
  const EditorCheckResult result =
      checkEditorText(toStd(sourceText()), folder, fileWindow(), assembler_->checker);
  if (!result.ok) busy.release();
  if (result.textTooLarge) {
    dialogs_.message(this, Dialogs::Icon::Error, productTitle(),
                     view_messages::textTooLargeToCheck(maxSourceFileBytes));
    return;
  }
  if (!result.ok) {
    dialogs_.message(
        this, Dialogs::Icon::Error, productTitle(),
        view_messages::workFileFailed(fromStd(result.workFile), fromStd(result.error)));
    return;
  }
  showFileText(fromStd(result.editorText));
}

void EditorWindow::jikkoug_Click() { emit executionWindowsRequested(); }

void EditorWindow::syoukyo_Click() {
  txtdpbox_->clear();
  list1_->clear();
}

void EditorWindow::EditCut() {
  QTextCursor cursor = txtdpbox_->textCursor();
  if (!cursor.hasSelection()) return;
  QApplication::clipboard()->setText(txtdpbox_->toPlainText().mid(
      cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
  cursor.removeSelectedText();
  txtdpbox_->setTextCursor(cursor);
}

void EditorWindow::EditCopy() {
  const QTextCursor cursor = txtdpbox_->textCursor();
  if (!cursor.hasSelection()) return;
  QApplication::clipboard()->setText(txtdpbox_->toPlainText().mid(
      cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
}

void EditorWindow::EditPaste() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) return;
  const QString text = withNewlines(data->text());
  if (text.isEmpty()) return;
  QTextCursor cursor = txtdpbox_->textCursor();
  cursor.insertText(text);
  txtdpbox_->setTextCursor(cursor);
}

// A find or replace dialog closed by its Cancel button is unloaded: the next
// opening makes a new one even before the old one is deleted.
void EditorWindow::mnufind_Click() {
  if (!findDialog_ || !findDialog_->isVisible())
    findDialog_ = new FindDialog(*txtdpbox_, dialogs_, this);
  findDialog_->show();
  findDialog_->raise();
  findDialog_->activateWindow();
}

void EditorWindow::mnureplace_Click() {
  if (!replaceDialog_ || !replaceDialog_->isVisible())
    replaceDialog_ = new ReplaceDialog(*txtdpbox_, dialogs_, this);
  replaceDialog_->show();
  replaceDialog_->raise();
  replaceDialog_->activateWindow();
}

void EditorWindow::helpsh_Click() {
  if (!helpWindow_) helpWindow_ = new HelpWindow(this);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

void EditorWindow::printsetting_Click() {
  QPrinter& printer = state_.printer();
  if (dialogs_.choosePrinter(this, printer)) dialogs_.pageSetup(this, printer);
}

void EditorWindow::printl_Click() {
  printOnChosenPrinter(this, state_, dialogs_,
                       [this](Printer& printer) { printl(printer, state_.table, state_.memory); });
}

void EditorWindow::Printlist() {
  printOnChosenPrinter(this, state_, dialogs_,
                       [this](Printer& printer) { printList(printer, state_.table); });
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (hasUnsavedChanges() &&
      !dialogs_.question(this, productTitle(), view_messages::discardChanges())) {
    event->ignore();
    return;
  }
  event->accept();
  emit programEnded();
}

}  // namespace casl2wb
