// The reasons of file errors as the desktop program's message boxes show
// them. The core gives a failure's reason as the system's English text
// (strerror); the reasons that users commonly meet are shown in Japanese,
// any other as it is. The text front end keeps the system's texts.
#pragma once

#include <string>

namespace casl2wb {

std::string shownFileErrorReason(const std::string& reason);

}  // namespace casl2wb
