// Paths of the files the windows read and write.
#pragma once

#include <string>

namespace casl2wb {

// The work file's name, and the name the file window uses when none is given.
inline constexpr const char* workFileName = "workcsl.txt";

// The folder, then "/" unless the folder already ends in one, then the name.
std::string joinPath(const std::string& folder, const std::string& name);

// The folder part of a path ("." for a bare name, "/" for a file in the root).
std::string folderOf(const std::string& path);

// Makes the folder (and its missing parents); a folder made here is readable
// by its owner only. Gives the system's error text, or the empty text.
std::string makeOwnerOnlyFolder(const std::string& folder);

}  // namespace casl2wb
