#include "base/file_paths.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

namespace casl2wb {

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string makeOwnerOnlyFolder(const std::string& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return {};
    return std::generic_category().message(ENOTDIR);
  }
  if (folder != "/" && folder != ".") {
    if (std::string error = makeOwnerOnlyFolder(folderOf(folder)); !error.empty()) return error;
  }
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return std::generic_category().message(errno);
  }
  return {};
}

}  // namespace casl2wb
