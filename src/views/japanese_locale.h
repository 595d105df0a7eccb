// The workbench's windows are Japanese whatever locale the system is set to:
// the dates, sizes and numbers Qt formats in them, and the language Qt's own
// dialogs choose.
#pragma once

namespace casl2wb {

// Makes Japanese (Japan) both Qt's default locale and the one it takes as
// the system's. Call it before the QApplication is made: Qt reads the
// system's locale from the environment once, the first time it is asked
// for, and keeps it. The environment is put back as it was before the
// QApplication sets the C library's locale from it, so that the C library
// (its messages, which file errors are shown from) stays as the user set it.
void useJapaneseLocale();

}  // namespace casl2wb
