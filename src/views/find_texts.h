// The captions and messages of the find and replace dialogs.
#pragma once

namespace casl2wb::find_texts {

inline constexpr const char* frmfindstrCaption = "文字列の検索";
inline constexpr const char* frmreplacestrCaption = "文字列の置換";

// frmfindstr
inline constexpr const char* cmdsearch = "検索(&F)";
inline constexpr const char* cmdcancel = "キャンセル";
inline constexpr const char* chkmoji = "大/小文字を区別(&K)";
inline constexpr const char* chktop = "ファイルの先頭から検索(&T)";

// frmreplacestr
inline constexpr const char* lblsearch = "文字列検索(&F)：";
inline constexpr const char* ibireplace = "置換文字列(&I)：";
inline constexpr const char* cmdreplace = "置換(&R)";
inline constexpr const char* cmdreplaceall = "全て置換(&A)";

// The information messages when a search ends without a find.
inline constexpr const char* findEnd = "文書の検索が終わりました。";
inline constexpr const char* replaceEnd = "文書の検索と置換が終わりました。";

}  // namespace casl2wb::find_texts
