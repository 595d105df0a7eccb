#include "base/recovery_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "base/file_paths.h"
#include "base/file_replacement.h"

namespace casl2wb {
namespace {

constexpr std::string_view header = "casl2wb recovery\n";
constexpr std::string_view sessionPrefix = "session-";
constexpr std::string_view lockSuffix = ".lock";
constexpr std::string_view textSuffix = ".txt";
// Far more than the UTF-8 of the largest text the editor checks.
constexpr std::size_t maxRecoveryBytes = 16 * 1024 * 1024;

std::string errorText(int error) { return std::generic_category().message(error); }

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The session's name without its suffix, or empty when `name` is no
// session file with that suffix.
std::string_view sessionStem(std::string_view name, std::string_view suffix) {
  if (name.substr(0, sessionPrefix.size()) != sessionPrefix || !endsWith(name, suffix) ||
      name.size() == sessionPrefix.size() + suffix.size()) {
    return {};
  }
  return name.substr(0, name.size() - suffix.size());
}

// Whether the descriptor is the file that the path names now: a lock file
// that another start removed meanwhile locks nothing.
bool stillNamed(int fd, const std::string& path) {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::time_t& modified) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            static_cast<std::size_t>(status.st_size) <= maxRecoveryBytes;
  modified = status.st_mtime;
  char buffer[64 * 1024];
  while (ok) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) break;
    if (count < 0 && errno == EINTR) continue;
    ok = count > 0 && bytes.size() + static_cast<std::size_t>(count) <= maxRecoveryBytes;
    if (ok) bytes.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(fd);
  return ok;
}

// Locks the lock file of a session unless its program still holds it; -1
// when the session is alive or not ours.
int lockOrphanedSession(const std::string& lockPath) {
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat status {};
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
      ::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, lockPath)) {
    return fd;
  }
  ::close(fd);
  return -1;
}

// A new lock file for a text whose lock file is gone; -1 when another start
// made one first.
int lockLocklessSession(const std::string& lockPath) {
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  ::close(fd);
  return -1;
}

char hexDigit(unsigned value) { return "0123456789abcdef"[value & 0xf]; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string recoveryFolderOf(const std::string& dataFolder) {
  return joinPath(dataFolder, "recovery");
}

// A header line, the source file's bytes in hexadecimal on a line of their
// own (a name may hold any byte but NUL), then the text as it is.
std::string recoveryFileBytes(const RecoveredText& recovered) {
  std::string bytes(header);
  for (const char c : recovered.sourceFile) {
    bytes += hexDigit(static_cast<unsigned char>(c) >> 4);
    bytes += hexDigit(static_cast<unsigned char>(c));
  }
  bytes += '\n';
  bytes += recovered.text;
  return bytes;
}

RecoveredText parseRecoveryFile(std::string_view bytes) {
  RecoveredText recovered;
  const std::size_t nameEnd = bytes.find('\n', header.size());
  if (bytes.substr(0, header.size()) != header || nameEnd == std::string_view::npos) {
    recovered.text = bytes;
    return recovered;
  }
  const std::string_view hex = bytes.substr(header.size(), nameEnd - header.size());
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    const int high = hexValue(hex[i]);
    const int low = hexValue(hex[i + 1]);
    if (high < 0 || low < 0) break;
    recovered.sourceFile += static_cast<char>(high * 16 + low);
  }
  recovered.text = bytes.substr(nameEnd + 1);
  return recovered;
}

std::unique_ptr<RecoverySession> RecoverySession::start(const std::string& folder,
                                                        std::string& error) {
  if (error = makeOwnerOnlyFolder(folder); !error.empty()) return nullptr;
  // A start that looks for orphans may lock a lock file between its making
  // and its locking here, and remove it: then this one takes another name.
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string lockPath =
        joinPath(folder, std::string(sessionPrefix) + "XXXXXX" + std::string(lockSuffix));
    const int fd = ::mkostemps(lockPath.data(), static_cast<int>(lockSuffix.size()), O_CLOEXEC);
    if (fd < 0) {
      error = errorText(errno);
      return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, lockPath)) {
      std::string textPath =
          lockPath.substr(0, lockPath.size() - lockSuffix.size()) + std::string(textSuffix);
      return std::unique_ptr<RecoverySession>(
          new RecoverySession(fd, std::move(lockPath), std::move(textPath)));
    }
    ::close(fd);
  }
  error = errorText(EAGAIN);
  return nullptr;
}

RecoverySession::RecoverySession(int lockFd, std::string lockPath, std::string textPath)
    : lockFd_(lockFd), lockPath_(std::move(lockPath)), textPath_(std::move(textPath)) {}

RecoverySession::~RecoverySession() {
  clear();
  ::unlink(lockPath_.c_str());
  ::close(lockFd_);
}

std::string RecoverySession::write(const RecoveredText& recovered) {
  FileReplacement file(textPath_);
  if (file.begin() && file.write(recoveryFileBytes(recovered)) && file.commit()) return {};
  return file.error();
}

void RecoverySession::clear() { ::unlink(textPath_.c_str()); }

OrphanedRecovery::OrphanedRecovery(int lockFd, std::string lockPath, std::string textPath,
                                   RecoveredText recovered, std::time_t savedAt)
    : lockFd_(lockFd),
      lockPath_(std::move(lockPath)),
      textPath_(std::move(textPath)),
      recovered_(std::move(recovered)),
      savedAt_(savedAt) {}

OrphanedRecovery::~OrphanedRecovery() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

void OrphanedRecovery::discard() {
  if (lockFd_ < 0) return;
  ::unlink(textPath_.c_str());
  ::unlink(lockPath_.c_str());
  ::close(lockFd_);
  lockFd_ = -1;
}

std::vector<std::unique_ptr<OrphanedRecovery>> claimOrphanedRecoveries(const std::string& folder) {
  std::vector<std::string> lockStems;
  std::vector<std::string> textStems;
  if (DIR* directory = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(directory)) {
      const std::string_view name = entry->d_name;
      if (const std::string_view stem = sessionStem(name, lockSuffix); !stem.empty()) {
        lockStems.emplace_back(stem);
      } else if (const std::string_view textStem = sessionStem(name, textSuffix);
                 !textStem.empty()) {
        textStems.emplace_back(textStem);
      }
    }
    ::closedir(directory);
  }
  std::sort(lockStems.begin(), lockStems.end());

  std::vector<std::unique_ptr<OrphanedRecovery>> orphans;
  auto claim = [&](const std::string& stem, int fd) {
    const std::string lockPath = joinPath(folder, stem + std::string(lockSuffix));
    const std::string textPath = joinPath(folder, stem + std::string(textSuffix));
    struct stat status {};
    if (::lstat(textPath.c_str(), &status) != 0 && errno == ENOENT) {
      // Nothing to offer: a program that ended with its text in a file.
      ::unlink(lockPath.c_str());
      ::close(fd);
      return;
    }
    std::string bytes;
    std::time_t savedAt = 0;
    if (!readWholeFile(textPath, bytes, savedAt)) {
      // Kept as it is for whoever can read it.
      ::close(fd);
      return;
    }
    orphans.push_back(std::make_unique<OrphanedRecovery>(fd, lockPath, textPath,
                                                         parseRecoveryFile(bytes), savedAt));
  };
  for (const std::string& stem : lockStems) {
    const int fd = lockOrphanedSession(joinPath(folder, stem + std::string(lockSuffix)));
    if (fd >= 0) claim(stem, fd);
  }
  for (const std::string& stem : textStems) {
    if (std::binary_search(lockStems.begin(), lockStems.end(), stem)) continue;
    const int fd = lockLocklessSession(joinPath(folder, stem + std::string(lockSuffix)));
    if (fd >= 0) claim(stem, fd);
  }
  std::stable_sort(orphans.begin(), orphans.end(),
                   [](const auto& a, const auto& b) { return a->savedAt() < b->savedAt(); });
  return orphans;
}

}  // namespace casl2wb
