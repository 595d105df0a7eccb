// Recovery files: while the editor holds text that no file holds, a copy of
// it stays on the disk, so that a program that is killed, crashes or loses
// its power loses nothing. Every running program has a session of its own in
// the recovery folder: a lock file that it holds locked while it lives, and
// beside it the copy of its text. A session whose lock file can be locked
// belongs to a program that ended without removing it: it is orphaned, and
// the next start offers its text.
#pragma once

#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace casl2wb {

// The folder of the recovery files inside the user's data folder.
std::string recoveryFolderOf(const std::string& dataFolder);

// What a recovery file holds: the text, and the file the text was loaded
// from or last saved to (its bytes; empty for a text of no file).
struct RecoveredText {
  std::string text;
  std::string sourceFile;
};

// The bytes of a recovery file for the text, and the text of such bytes.
// Bytes that are not a recovery file read as a text of no file.
std::string recoveryFileBytes(const RecoveredText& recovered);
RecoveredText parseRecoveryFile(std::string_view bytes);

// The session of this program; its files are removed when it ends.
class RecoverySession {
 public:
  // Claims a new session in the folder (made readable by its owner only);
  // null, with the system's reason, when that is impossible.
  static std::unique_ptr<RecoverySession> start(const std::string& folder, std::string& error);
  ~RecoverySession();
  RecoverySession(const RecoverySession&) = delete;
  RecoverySession& operator=(const RecoverySession&) = delete;

  // Writes the text whole or not at all (an older copy stays on failure);
  // gives the system's reason, or the empty text.
  std::string write(const RecoveredText& recovered);
  // Removes the copy: nothing is left to recover.
  void clear();

  const std::string& textPath() const { return textPath_; }
  const std::string& lockPath() const { return lockPath_; }

 private:
  RecoverySession(int lockFd, std::string lockPath, std::string textPath);

  int lockFd_;
  std::string lockPath_;
  std::string textPath_;
};

// The text of a session whose program ended without removing it. While this
// object lives, it holds the session's lock, so no other start offers the
// same text; dropping it without discard() keeps the text for a later start.
class OrphanedRecovery {
 public:
  OrphanedRecovery(int lockFd, std::string lockPath, std::string textPath, RecoveredText recovered,
                   std::time_t savedAt);
  ~OrphanedRecovery();
  OrphanedRecovery(const OrphanedRecovery&) = delete;
  OrphanedRecovery& operator=(const OrphanedRecovery&) = delete;

  const RecoveredText& recovered() const { return recovered_; }
  // When the copy was last written.
  std::time_t savedAt() const { return savedAt_; }
  // Removes the session's files (after its text was restored or refused).
  void discard();

 private:
  int lockFd_;
  std::string lockPath_;
  std::string textPath_;
  RecoveredText recovered_;
  std::time_t savedAt_;
};

// Claims every orphaned session of the folder that holds a text, oldest
// first. Sessions that hold no text are removed at once; sessions of
// running programs are left alone.
std::vector<std::unique_ptr<OrphanedRecovery>> claimOrphanedRecoveries(const std::string& folder);

}  // namespace casl2wb
