#include "views/file_names.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "base/file_paths.h"
#include "base/source_file.h"
#include "base/text.h"

namespace casl2wb {
namespace {

bool endsWithTxt(const std::string& name) {
  if (name.size() < 4) return false;
  std::string end = name.substr(name.size() - 4);
  std::transform(end.begin(), end.end(), end.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return end == ".txt";
}

}  // namespace

QString displayName(const std::string& bytes) {
  // decodeSourceBytes reads valid UTF-8 as it is and anything else as CP932.
  return QString::fromStdString(toUtf8(decodeSourceBytes(bytes)));
}

std::string cleanFolderPath(const std::string& path) {
  std::string absolute = path;
  if (absolute.empty() || absolute.front() != '/') {
    char current[PATH_MAX];
    absolute = joinPath(::getcwd(current, sizeof current) != nullptr ? current : "/", path);
  }
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= absolute.size()) {
    const std::size_t slash = std::min(absolute.find('/', start), absolute.size());
    const std::string part = absolute.substr(start, slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string clean;
  for (const std::string& part : parts) clean += "/" + part;
  return clean.empty() ? "/" : clean;
}

std::vector<std::string> folderEntries(const std::string& folder, EntryKind kind) {
  std::vector<std::string> names;
  DIR* directory = ::opendir(folder.c_str());
  if (directory == nullptr) return names;
  while (const dirent* entry = ::readdir(directory)) {
    const std::string name = entry->d_name;
    if (name.empty() || name.front() == '.') continue;
    struct stat status {};
    if (::fstatat(::dirfd(directory), name.c_str(), &status, 0) != 0) continue;
    const bool wanted = kind == EntryKind::Folder ? S_ISDIR(status.st_mode)
                                                  : S_ISREG(status.st_mode) && endsWithTxt(name);
    if (wanted) names.push_back(name);
  }
  ::closedir(directory);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return QString::compare(displayName(a), displayName(b), Qt::CaseInsensitive) < 0;
  });
  return names;
}

}  // namespace casl2wb
