// The editor's text and its file: whether the text is saved, the caption
// that says so, saving, and the question before a text that no file holds
// is dropped.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>

#include "base/messages.h"
#include "base/source_file.h"
#include "views/busy_cursor.h"
#include "views/dialog_texts.h"
#include "views/dialogs.h"
#include "views/editor_recovery.h"
#include "views/editor_window.h"
#include "views/file_names.h"
#include "views/file_window.h"
#include "views/file_window_texts.h"
#include "views/object_names.h"
#include "views/product_title.h"
#include "views/text_conversion.h"
#include "views/workbench_state.h"

namespace casl2wb {
namespace {

// The buttons of the question before the text is dropped, in order.
enum DropChoice { SaveFirst, DropIt, KeepIt };

}  // namespace

void EditorWindow::textStateChanged() {
  const QString text = sourceText();
  const bool hasText = !text.isEmpty();
  for (const char* name : {object_names::cutAction, object_names::copyAction,
                           object_names::findAction, object_names::replaceAction}) {
    if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) action->setEnabled(hasText);
  }
  unsaved_ = !sameLines(text, fileText_);
  state_.sourceChangedSinceCheck = !checkedText_ || !sameLines(text, *checkedText_);
  // Tabs separate fields in standard CASL II.
  const bool tabs = state_.dialect == Dialect::Workbench && text.contains(QLatin1Char('\t'));
  tabNotice_->setVisible(tabs);
  convertTabsButton_->setVisible(tabs);
  updateCaption();
  recovery_->schedule();
}

// The file's name, or the product's title for a text of no file; a leading
// "*" while the text is unsaved.
void EditorWindow::showStatus(const QString& message) { statusBar()->showMessage(message); }

void EditorWindow::updateCaption() {
  const QString name = textFile_.empty() ? productTitleWithVersion() : textFileShown_;
  setWindowTitle(unsaved_ ? QStringLiteral("*") + name : name);
}

void EditorWindow::setTextFile(const std::string& pathBytes, const QString& shownPath) {
  textFile_ = pathBytes;
  textFileShown_ = shownPath;
  fileText_ = sourceText();
  textStateChanged();
}

bool EditorWindow::mayDropText(Dropping what, const QString& loadedPath) {
  if (!unsaved_) return true;
  const std::string unsaved =
      textFile_.empty() ? formatMessage(Message::UnsavedNewText)
                        : formatMessage(Message::UnsavedFileText, {toStd(textFileShown_)});
  QString question;
  switch (what) {
    case Dropping::End:
      question = shownMessage(Message::SaveBeforeEnd, {unsaved});
      break;
    case Dropping::Clear:
      question = shownMessage(Message::SaveBeforeClear, {unsaved});
      break;
    case Dropping::Load:
      question = shownMessage(Message::SaveBeforeLoad, {unsaved, toStd(loadedPath)});
      break;
    case Dropping::Restore:
      question = shownMessage(Message::SaveBeforeRestore, {unsaved});
      break;
  }
  const QStringList choices = {QString::fromUtf8(dialog_texts::saveChoice),
                               QString::fromUtf8(dialog_texts::dontSaveChoice),
                               QString::fromUtf8(dialog_texts::cancelButton)};
  switch (dialogs_.choose(this, productTitle(), question, choices, SaveFirst, KeepIt)) {
    case SaveFirst:
      return saveToTextFile();
    case DropIt:
      return true;
    default:
      return false;
  }
}

bool EditorWindow::saveToTextFile() {
  if (textFile_.empty()) return saveTextAs();
  return writeTextTo(textFile_, textFileShown_);
}

void EditorWindow::saveAs() { saveTextAs(); }

bool EditorWindow::saveTextAs() {
  const QString folder = fileWindow_ ? fileWindow_->folderPath() : QDir::currentPath();
  const QString path =
      dialogs_.saveFileName(this, QString::fromUtf8(file_window_texts::saveAsAction), folder,
                            QString::fromUtf8(file_window_texts::fileFilter));
  if (path.isEmpty()) return false;
  return writeTextTo(QFile::encodeName(path).toStdString(), path);
}

bool EditorWindow::writeTextTo(const std::string& pathBytes, const QString& shownPath) {
  const FileWriteResult written = [&] {
    const BusyCursor busy;
    return saveTextFile(pathBytes, toStd(sourceText()));
  }();
  if (!written.ok) {
    reportWriteError(shownPath, written.error);
    return false;
  }
  setTextFile(pathBytes, shownPath);
  if (fileWindow_) fileWindow_->rereadLists();
  return true;
}

void EditorWindow::restoreText(const QString& text, const std::string& sourceFile) {
  sourceEdit_->clearCheck();
  sourceEdit_->clearBreakpoints();
  sourceEdit_->setPlainText(withNewlines(text));
  messageList_->clear();
  messageLines_.clear();
  checkedText_.reset();
  textFile_ = sourceFile;
  textFileShown_ = sourceFile.empty() ? QString() : displayName(sourceFile);
  // The file as it is now, so that the text counts as saved only when the
  // file already holds it.
  fileText_.clear();
  if (!sourceFile.empty()) {
    if (const SourceReadResult read = readSourceFile(sourceFile); read.ok) {
      fileText_ = editorTextOfLines(read.lines);
    }
  }
  textStateChanged();
}

void EditorWindow::offerRecoveries() { recovery_->offerOrphans(); }

}  // namespace casl2wb
