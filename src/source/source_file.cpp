// Reading and writing source files as whole files, with the system's error
// text when that fails.
#include "source/source_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

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
  // Closes now and gives 0, or the error of the close.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Reads everything from the descriptor; gives 0 or the error.
int readAll(int fd, std::string& bytes) {
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) return 0;
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (bytes.size() + static_cast<std::size_t>(count) > maxSourceFileBytes) return EFBIG;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
}

// Writes all bytes; gives 0 or the error.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return 0;
}

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

}  // namespace

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
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    result.error = systemErrorText(errno);
    return result;
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) {
    result.error = systemErrorText(errno);
    return result;
  }
  if (S_ISDIR(status.st_mode)) {
    result.error = systemErrorText(EISDIR);
    return result;
  }
  std::string bytes;
  if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) <= maxSourceFileBytes) {
    bytes.reserve(static_cast<std::size_t>(status.st_size));
  }
  if (const int error = readAll(file.get(), bytes); error != 0) {
    result.error = systemErrorText(error);
    return result;
  }
  result.lines = splitSourceLines(decodeSourceBytes(bytes));
  result.ok = true;
  return result;
}

FileWriteResult writeTextFile(const std::string& path, std::string_view utf8Text) {
  FileWriteResult result;
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    result.error = systemErrorText(errno);
    return result;
  }
  if (const int error = writeAll(file.get(), withCrLfLineEnds(utf8Text)); error != 0) {
    result.error = systemErrorText(error);
    return result;
  }
  if (const int error = file.close(); error != 0) {
    result.error = systemErrorText(error);
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace casl2wb
