#include "base/file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <system_error>

#include "base/file_paths.h"

namespace casl2wb {
namespace {

constexpr std::string_view temporaryMark = ".casl2wb-";
constexpr std::size_t randomLetters = 6;  // the XXXXXX of mkostemp

std::string errorText(int error) { return std::generic_category().message(error); }

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The file a save really replaces: the target of a symbolic link.
std::string resolvedTarget(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

// A temporary file is locked while its writer lives; one that can be locked
// was left by a writer that was killed, and is removed.
void removeStaleTemporaries(const std::string& folder) {
  DIR* directory = ::opendir(folder.c_str());
  if (directory == nullptr) return;
  const int folderFd = ::dirfd(directory);
  while (const dirent* entry = ::readdir(directory)) {
    if (!isReplacementTemporary(entry->d_name)) continue;
    const int fd =
        ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::close(fd);
  }
  ::closedir(directory);
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool isReplacementTemporary(std::string_view name) {
  const std::size_t mark = name.rfind(temporaryMark);
  return name.size() > 1 && name.front() == '.' && mark != std::string_view::npos && mark > 0 &&
         name.size() - mark - temporaryMark.size() == randomLetters;
}

FileReplacement::FileReplacement(const std::string& target) : target_(resolvedTarget(target)) {}

FileReplacement::~FileReplacement() { discard(); }

bool FileReplacement::fail(int error) {
  if (error_.empty()) error_ = errorText(error);
  discard();
  return false;
}

void FileReplacement::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty() && !committed_) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool FileReplacement::begin() {
  if (target_.empty()) return fail(ENOENT);
  if (target_.back() == '/') return fail(EISDIR);
  struct stat old {};
  const bool exists = ::stat(target_.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return fail(EISDIR);
  if (exists && !S_ISREG(old.st_mode)) {
    error_ = "Not a regular file";
    return false;
  }
  // A file the user may not write stays protected, although a rename could replace it.
  if (exists && ::access(target_.c_str(), W_OK) != 0) return fail(errno);
  mode_ = exists ? (old.st_mode & 07777) : (0666 & ~currentUmask());

  const std::string folder = folderOf(target_);
  const std::string name = target_.substr(target_.rfind('/') + 1);
  removeStaleTemporaries(folder);
  // A cleaner in another program may remove the new file before it is
  // locked; then it is made again.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::string pattern =
        joinPath(folder, "." + name + std::string(temporaryMark) + std::string(randomLetters, 'X'));
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return fail(errno);
    fd_ = fd;
    temporary_ = pattern;
    struct stat created {};
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd_, &created) == 0 &&
        created.st_nlink > 0) {
      if (exists) {
        // Keeps the owner when the superuser saves another user's file.
        [[maybe_unused]] const int ignored = ::fchown(fd_, old.st_uid, old.st_gid);
      }
      return true;
    }
    ::close(fd_);
    fd_ = -1;
    temporary_.clear();
  }
  return fail(EAGAIN);
}

bool FileReplacement::write(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd_, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

bool FileReplacement::commit() {
  if (fd_ < 0) return false;
  if (::fsync(fd_) != 0) return fail(errno);
  if (::fchmod(fd_, static_cast<mode_t>(mode_)) != 0) return fail(errno);
  // Renamed while still locked, so that no cleaner takes it for a leftover.
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(errno);
  committed_ = true;
  temporary_.clear();
  ::close(fd_);  // the content is on the disk already
  fd_ = -1;
  syncFolder(folderOf(target_));
  return true;
}

}  // namespace casl2wb
