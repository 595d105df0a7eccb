// The captions of the help window.
#pragma once

namespace casl2wb::help_texts {

// After the program's title.
inline constexpr const char* captionSuffix = " ヘルプ";
inline constexpr const char* searchLabel = "検索(&S)：";
inline constexpr const char* searchPlaceholder = "探す文字列を入れて Enter";

}  // namespace casl2wb::help_texts
