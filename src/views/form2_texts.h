// The captions and menu texts of the file window.
#pragma once

namespace casl2wb::form2_texts {

inline constexpr const char* readerrorchk = "読込エラーチェック(&E)";
inline constexpr const char* mnuupdated = "保存(&S)";
inline constexpr const char* mnusaved = "名前を付けて保存";
inline constexpr const char* Label1 = "ファイル名：";
// The files the file list shows.
inline constexpr const char* fileFilter = "*.txt";

}  // namespace casl2wb::form2_texts
