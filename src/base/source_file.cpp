// Reading and writing source files as whole files, with the system's error
// text when that fails.
#include "base/source_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/file_replacement.h"

namespace casl2wb {
namespace {

std::string systemErrorText(int error) { return std::generic_category().message(error); }

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads everything from the descriptor; gives 0 or the error.
int readAll(int fd, std::string& bytes, std::size_t limit) {
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) return 0;
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (bytes.size() + static_cast<std::size_t>(count) > limit) return EFBIG;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
}

}  // namespace

std::string withCrLfLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += "\r\n";
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

std::vector<Text> splitSourceLines(TextView text) {
  std::vector<Text> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c != U'\r' && c != U'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

SourceReadResult readSourceFile(const std::string& path) {
  SourceReadResult result;
  struct stat status {};
  // Without O_NONBLOCK, opening a FIFO would wait for a writer; the node
  // program of the browser build opens without it, so a FIFO is also refused
  // before it is opened.
  const bool specialFile =
      ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
  FileDescriptor file(specialFile ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (specialFile) {
    // Reported below as a file that is not regular.
  } else if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
    result.problem = ReadProblem::System;
    result.error = systemErrorText(errno);
    return result;
  }
  if (S_ISDIR(status.st_mode)) {
    result.problem = ReadProblem::Folder;
    result.error = systemErrorText(EISDIR);
  } else if (!S_ISREG(status.st_mode)) {
    result.problem = ReadProblem::NotRegularFile;
    result.error = "Not a regular file";
  } else if (static_cast<std::size_t>(status.st_size) > maxSourceFileBytes) {
    result.problem = ReadProblem::TooLarge;
    result.error = systemErrorText(EFBIG);
  } else {
    return readSourceDescriptor(file.get(), maxSourceFileBytes);
  }
  return result;
}

SourceReadResult readSourceDescriptor(int fd, std::size_t limit) {
  SourceReadResult result;
  std::string bytes;
  if (const int error = readAll(fd, bytes, limit); error != 0) {
    result.problem = error == EFBIG ? ReadProblem::TooLarge : ReadProblem::System;
    result.error = systemErrorText(error);
    return result;
  }
  result.lines = splitSourceLines(decodeSourceBytes(bytes));
  result.ok = true;
  return result;
}

FileWriteResult writeTextFile(const std::string& path, std::string_view utf8Text) {
  FileReplacement file(path);
  if (file.begin() && file.write(withCrLfLineEnds(utf8Text)) && file.commit()) return {true, ""};
  return {false, file.error()};
}

std::string savedFileText(std::string_view utf8Text) {
  std::string text(utf8Text);
  if (text.empty() || (text.back() != '\n' && text.back() != '\r')) text += "\r\n";
  return withCrLfLineEnds(text);
}

FileWriteResult saveTextFile(const std::string& path, std::string_view utf8Text) {
  return writeTextFile(path, savedFileText(utf8Text));
}

}  // namespace casl2wb
