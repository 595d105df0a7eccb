// The workbench's own messages about files and the end of the program.
#pragma once

#include <QString>
#include <cstddef>

#include "source/source_file.h"

namespace casl2wb::view_messages {

inline QString cannotWrite(const QString& path, const QString& reason) {
  return QStringLiteral("ファイル「%1」に書き込めませんでした。\n%2").arg(path, reason);
}

inline QString cannotRead(const QString& path, const QString& reason) {
  return QStringLiteral("ファイル「%1」を読み込めませんでした。\n%2").arg(path, reason);
}

// Why a file could not be read: in Japanese where the workbench itself
// refused it, else in the system's words.
inline QString readProblem(const SourceReadResult& read) {
  switch (read.problem) {
    case ReadProblem::Folder:
      return QStringLiteral("フォルダは読み込めません。");
    case ReadProblem::NotRegularFile:
      return QStringLiteral("通常のファイルではありません。パイプや装置などは読み込めません。");
    case ReadProblem::TooLarge:
      return QStringLiteral("ファイルが大きすぎます。読み込めるのは%1バイトまでです。")
          .arg(maxSourceFileBytes);
    case ReadProblem::None:
    case ReadProblem::System:
      break;
  }
  return QString::fromStdString(read.error);
}

inline QString workFileFailed(const QString& path, const QString& reason) {
  return QStringLiteral("作業ファイル「%1」を書き込んで読み戻すことができませんでした。\n%2")
      .arg(path, reason);
}

inline QString textTooLargeToCheck(std::size_t limit) {
  return QStringLiteral(
             "プログラムが大きすぎるため、エラーチェックできません。\n"
             "エラーチェックできるのは%1文字までです。")
      .arg(limit);
}

inline QString fileNameNeeded() {
  return QStringLiteral("ファイル名が入力されていません。ファイル名を入力してください。");
}

inline QString discardChanges() {
  return QStringLiteral(
      "編集中のプログラムはどのファイルにも保存されていません。\n"
      "保存せずに終了しますか？");
}

inline QString printingFailed() {
  return QStringLiteral("プリンタを使えなかったため、印刷できませんでした。");
}

}  // namespace casl2wb::view_messages
