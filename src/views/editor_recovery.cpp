#include "views/editor_recovery.h"

#include <QDateTime>
#include <QFile>
#include <QWidget>

#include "base/messages.h"
#include "base/recovery_files.h"
#include "views/dialog_texts.h"
#include "views/dialogs.h"
#include "views/edited_text.h"
#include "views/file_error_reasons.h"
#include "views/file_names.h"
#include "views/product_title.h"
#include "views/text_conversion.h"

namespace casl2wb {
namespace {

// The buttons of the offer, in order.
enum OfferChoice { Restore, Discard, Later };

int lineCount(const std::string& text) {
  int lines = 0;
  for (const char c : text) lines += c == '\n';
  return lines + (!text.empty() && text.back() != '\n');
}

}  // namespace

EditorRecovery::EditorRecovery(EditedText& editor, const std::string& dataFolder)
    : QObject(&editor.editorWidget()), editor_(editor), folder_(recoveryFolderOf(dataFolder)) {
  timer_.setSingleShot(true);
  timer_.setInterval(copyDelayMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &EditorRecovery::copyNow);
}

EditorRecovery::~EditorRecovery() = default;

// The timer is not started again by later edits, so that typing without a
// pause is copied every second all the same.
void EditorRecovery::schedule() {
  if (!timer_.isActive()) timer_.start();
}

bool EditorRecovery::copyNow() {
  timer_.stop();
  if (!editor_.hasUnsavedChanges()) {
    if (session_) session_->clear();
    return true;
  }
  std::string error;
  if (!session_) session_ = RecoverySession::start(folder_, error);
  if (session_) error = session_->write({toStd(editor_.sourceText()), editor_.textFile()});
  if (!error.empty() && !failureShown_) {
    failureShown_ = true;
    editor_.showStatus(shownMessage(Message::RecoveryFailed, {shownFileErrorReason(error)}));
  }
  return error.empty();
}

void EditorRecovery::offerOrphans() {
  const QStringList choices = {QString::fromUtf8(dialog_texts::restoreChoice),
                               QString::fromUtf8(dialog_texts::discardChoice),
                               QString::fromUtf8(dialog_texts::laterChoice)};
  for (const auto& orphan : claimOrphanedRecoveries(folder_)) {
    const RecoveredText& recovered = orphan->recovered();
    const std::string file = recovered.sourceFile.empty()
                                 ? formatMessage(Message::RecoveryNoFile)
                                 : toStd(displayName(recovered.sourceFile));
    const QString savedAt = QDateTime::fromSecsSinceEpoch(orphan->savedAt())
                                .toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const QString offer = shownMessage(
        Message::RecoveryOffer, {file, toStd(savedAt), std::to_string(lineCount(recovered.text))});
    switch (editor_.dialogs().choose(&editor_.editorWidget(), productTitle(), offer, choices,
                                     Restore, Later)) {
      case Restore:
        // Kept for the next start when the text in the editor may not go.
        if (!editor_.mayDropText(Dropping::Restore)) break;
        editor_.restoreText(fromStd(recovered.text), recovered.sourceFile);
        // The old copy goes only when the restored text has its own.
        if (copyNow()) orphan->discard();
        break;
      case Discard:
        orphan->discard();
        break;
      default:
        break;
    }
  }
}

}  // namespace casl2wb
