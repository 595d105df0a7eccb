// The captions and menu texts of the file window.
#pragma once

#include "assembler/work_file_progress.h"

namespace casl2wb::file_window_texts {

inline constexpr const char* loadAndCheckAction = "読込エラーチェック(&E)";
inline constexpr const char* saveAction = "保存(&S)";
inline constexpr const char* saveAsAction = "名前を付けて保存";
inline constexpr const char* fileNameLabel = "ファイル名：";
// The files the file list shows.
inline constexpr const char* fileFilter = "*.txt";

// The caption while a file is written, while it is read, and otherwise.
inline constexpr const char* captionWriting = "書き込み中・・・";
inline constexpr const char* captionReading = "読み込み中・・・";
inline constexpr const char* captionIdle = "ファイル";
constexpr const char* captionOf(WorkFileProgress progress) {
  switch (progress) {
    case WorkFileProgress::Writing:
      return captionWriting;
    case WorkFileProgress::Reading:
      return captionReading;
    case WorkFileProgress::Idle:
      break;
  }
  return captionIdle;
}

}  // namespace casl2wb::file_window_texts
