// The pictures of the editor's toolbar buttons, drawn when the program starts.
#pragma once

#include <QIcon>

namespace casl2wb {

// Folder is a closed folder, Open an open one (also the folder list's
// pictures of the folders on the current path).
enum class ToolIcon { NewFile, Open, Save, Print, Cut, Copy, Paste, Find, Folder };

QIcon toolIcon(ToolIcon which);

}  // namespace casl2wb
