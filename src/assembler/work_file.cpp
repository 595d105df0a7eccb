// The editor's error check through a work file of its own.
#include "assembler/work_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/file_paths.h"
#include "base/source_file.h"
#include "base/text.h"

namespace casl2wb {
namespace {

bool endsWithLineEnd(const std::string& text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

std::string errorText(int error) { return std::generic_category().message(error); }

bool writeAll(int fd, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// A work file: made new and owner-only, removed when the check is done.
class WorkFile {
 public:
  explicit WorkFile(const std::string& folder) : path_(joinPath(folder, workFilePrefix)) {
    path_ += "XXXXXX.txt";
    // mkostemps opens with O_CREAT | O_EXCL: never an existing file or link.
    fd_ = ::mkostemps(path_.data(), 4, O_CLOEXEC);
    if (fd_ < 0) {
      error_ = errno;
      path_ = folder;
    }
  }
  WorkFile(const WorkFile&) = delete;
  WorkFile& operator=(const WorkFile&) = delete;
  ~WorkFile() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
  }

  int fd() const { return fd_; }
  int error() const { return error_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace

std::size_t editorTextLength(std::string_view utf8Text) {
  std::size_t length = 0;
  for (std::size_t i = 0; i < utf8Text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8Text[i]);
    if ((byte & 0xC0) == 0x80) continue;  // continues a character
    if (byte == '\r' && i + 1 < utf8Text.size() && utf8Text[i + 1] == '\n') continue;
    ++length;
  }
  return length;
}

bool editorTextFits(std::string_view utf8Text) {
  return editorTextLength(utf8Text) <= maxSourceFileBytes;
}

WorkFileResult passThroughWorkFile(const std::string& editorText, const std::string& workFolder,
                                   WorkFileProgressSink& progress) {
  WorkFileResult result;
  result.workFile = workFolder;
  if (!editorTextFits(editorText)) {
    result.textTooLarge = true;
    result.error = errorText(EFBIG);
    return result;
  }

  progress.report(WorkFileProgress::Writing);
  // Passing the text through the decoder makes sure the work file holds valid
  // UTF-8, so that it is read back the way it was written.
  std::string fileText = toUtf8(fromUtf8(editorText));
  if (!endsWithLineEnd(fileText)) fileText += "\r\n";
  WorkFile work(workFolder);
  result.workFile = work.path();
  int error = work.error();
  if (error == 0) writeAll(work.fd(), withCrLfLineEnds(fileText), error);
  progress.report(WorkFileProgress::Idle);
  if (error != 0) {
    result.error = errorText(error);
    return result;
  }

  progress.report(WorkFileProgress::Reading);
  // A character takes at most four bytes, and a line end two.
  const SourceReadResult read =
      ::lseek(work.fd(), 0, SEEK_SET) == 0
          ? readSourceDescriptor(work.fd(), 8 * maxSourceFileBytes)
          : SourceReadResult{false, {}, ReadProblem::System, errorText(errno)};
  progress.report(WorkFileProgress::Idle);
  if (!read.ok) {
    result.error = read.error;
    return result;
  }

  Text text;
  for (const Text& line : read.lines) {
    text += line;
    text += U"\r\n";
  }
  result.editorText = toUtf8(text);
  result.lines = read.lines;
  result.ok = true;
  return result;
}

}  // namespace casl2wb
