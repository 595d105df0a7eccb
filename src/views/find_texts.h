// The captions of the find and replace dialogs.
#pragma once

namespace casl2wb::find_texts {

inline constexpr const char* findDialogCaption = "文字列の検索";
inline constexpr const char* replaceDialogCaption = "文字列の置換";

// The find dialog.
inline constexpr const char* findNextButton = "検索(&F)";
inline constexpr const char* cancelButton = "キャンセル";
inline constexpr const char* matchCaseCheck = "大/小文字を区別(&K)";
inline constexpr const char* fromTopCheck = "ファイルの先頭から検索(&T)";

// The replace dialog (its Cancel button as the find dialog's).
inline constexpr const char* findLabel = "文字列検索(&F)：";
inline constexpr const char* replaceLabel = "置換文字列(&I)：";
inline constexpr const char* replaceButton = "置換(&R)";
inline constexpr const char* replaceAllButton = "全て置換(&A)";

}  // namespace casl2wb::find_texts
