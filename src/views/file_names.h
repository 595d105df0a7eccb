// File and folder names as the file system holds them (bytes, not always
// UTF-8) and as the file window shows them. A name that is not UTF-8 comes
// mostly from a Windows machine and is shown decoded as CP932 (bytes that
// are neither show as U+FFFD); the window keeps the bytes to open it.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace casl2wb {

// How a name or path is shown.
QString displayName(const std::string& bytes);

// The absolute form of a folder path, with "." and ".." resolved and no
// double or trailing slashes ("/" stays "/").
std::string cleanFolderPath(const std::string& path);

enum class EntryKind { Folder, TextFile };

// The names in the folder, without hidden ones (starting with "."): its
// subfolders, or its files whose name ends in ".txt" in any case (links
// count as what they lead to). Sorted by their shown names, ignoring case.
std::vector<std::string> folderEntries(const std::string& folder, EntryKind kind);

}  // namespace casl2wb
