// The captions and menu texts of the file window.
#pragma once

namespace casl2wb::file_window_texts {

inline constexpr const char* loadAndCheckAction = "読込エラーチェック(&E)";
inline constexpr const char* saveAction = "保存(&S)";
inline constexpr const char* saveAsAction = "名前を付けて保存";
inline constexpr const char* fileNameLabel = "ファイル名：";
// The files the file list shows.
inline constexpr const char* fileFilter = "*.txt";

}  // namespace casl2wb::file_window_texts
