// Writing a file without ever leaving it half written: the new content goes
// into a temporary file beside the target, which takes the target's place
// only when it is complete and on the disk. On any failure the target is as
// it was, the temporary file is removed, and the system's reason is kept.
#pragma once

#include <string>
#include <string_view>

namespace casl2wb {

class FileReplacement {
 public:
  // `target` is the file to write; a symbolic link is followed, so that the
  // file it names is replaced and the link stays.
  explicit FileReplacement(const std::string& target);
  ~FileReplacement();  // removes the temporary file unless it was committed
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Creates the temporary file. Refuses a target that is a folder or another
  // kind of file that is not a regular one, and an existing file that the
  // user may not write. Removes what killed writers left in the folder.
  bool begin();
  // The temporary file, open for writing, and its path.
  int descriptor() const { return fd_; }
  const std::string& temporaryPath() const { return temporary_; }
  // Appends bytes to the temporary file.
  bool write(std::string_view bytes);
  // Syncs the temporary file, gives it the old file's permissions (or the
  // usual ones of a new file) and renames it over the target.
  bool commit();

  // The file that is really replaced (the target of a link).
  const std::string& target() const { return target_; }
  // The system's reason of the first failure, or the empty text.
  const std::string& error() const { return error_; }

 private:
  bool fail(int error);
  void discard();

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  unsigned mode_ = 0;
  bool committed_ = false;
  std::string error_;
};

// Whether a file name is that of a temporary file of a replacement.
bool isReplacementTemporary(std::string_view name);

}  // namespace casl2wb
