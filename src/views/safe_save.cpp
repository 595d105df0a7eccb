#include "views/safe_save.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

#include "views/file_paths.h"

namespace casl2wb {
namespace {

std::string errorText(int error) { return std::generic_category().message(error); }

FileWriteResult failure(int error) { return FileWriteResult{false, errorText(error)}; }

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The file that is really replaced: the target of a symbolic link.
std::string resolvedTarget(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

int syncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return result;
}

std::string withFinalLineEnd(std::string_view text) {
  std::string result(text);
  if (result.empty() || (result.back() != '\n' && result.back() != '\r')) result += "\r\n";
  return result;
}

}  // namespace

FileWriteResult saveTextFile(const std::string& path, std::string_view utf8Text) {
  if (path.empty()) return failure(ENOENT);
  const std::string target = resolvedTarget(path);

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return failure(EISDIR);
  if (!target.empty() && target.back() == '/') return failure(EISDIR);
  // A file the user may not write stays protected, although a rename could replace it.
  if (exists && ::access(target.c_str(), W_OK) != 0) return failure(errno);
  const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~currentUmask());

  const std::string name = target.substr(target.rfind('/') + 1);
  std::string temporary = joinPath(folderOf(target), "." + name + ".XXXXXX");
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return failure(errno);
  ::close(fd);

  FileWriteResult result = writeTextFile(temporary, withFinalLineEnd(utf8Text));
  if (result.ok) {
    if (const int error = syncFile(temporary); error != 0) result = failure(error);
  }
  if (result.ok && ::chmod(temporary.c_str(), mode) != 0) result = failure(errno);
  if (result.ok && ::rename(temporary.c_str(), target.c_str()) != 0) result = failure(errno);
  if (!result.ok) ::unlink(temporary.c_str());
  return result;
}

}  // namespace casl2wb
