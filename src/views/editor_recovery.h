// The editor's recovery file: within a second of an edit, a text that no
// file holds is copied to a private file of this program in the user's data
// folder, and the copy goes when the text is saved or the program ends
// normally. At start, the texts that programs ended by a crash, a kill or a
// power loss left behind are offered for restoring.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

namespace casl2wb {

class EditedText;
class RecoverySession;

class EditorRecovery : public QObject {
  Q_OBJECT

 public:
  // The longest time between an edit and its copy on the disk.
  static constexpr int copyDelayMilliseconds = 1000;

  // Keeps the recovery files in the "recovery" folder of `dataFolder`.
  EditorRecovery(EditedText& editor, const std::string& dataFolder);
  ~EditorRecovery() override;

  // The text or its file changed: the copy follows soon.
  void schedule();
  // Writes (or removes) the copy now; false when the text needs a copy and
  // none could be written.
  bool copyNow();
  // Offers each text left behind, oldest first: restore it, discard it, or
  // keep it for the next start.
  void offerOrphans();

  // The folder of the recovery files.
  const std::string& folder() const { return folder_; }

 private:
  EditedText& editor_;
  std::string folder_;
  std::unique_ptr<RecoverySession> session_;
  QTimer timer_;
  // A failure is told once, not at every edit.
  bool failureShown_ = false;
};

}  // namespace casl2wb
