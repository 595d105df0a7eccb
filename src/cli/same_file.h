// Whether two names lead to one file, so that a command never writes over a
// file it reads.
#pragma once

#include <string>

namespace casl2wb::cli {

// True when both names exist and are the same file (device and inode), also
// through links.
bool sameFile(const std::string& first, const std::string& second);

}  // namespace casl2wb::cli
