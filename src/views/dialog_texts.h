// The button texts of the standard dialogs (message boxes, the question box,
// the input box and the file dialog), and the captions of the printer
// set-up dialog.
#pragma once

namespace casl2wb::dialog_texts {

// Buttons.
inline constexpr const char* okButton = "OK";
inline constexpr const char* cancelButton = "キャンセル";
inline constexpr const char* yesButton = "はい(&Y)";
inline constexpr const char* noButton = "いいえ(&N)";
inline constexpr const char* saveButton = "保存(&S)";

// The choices before the editor drops a text that no file holds, and before
// it restores the text that an ended program left.
inline constexpr const char* saveChoice = "保存(&S)";
inline constexpr const char* dontSaveChoice = "保存しない(&N)";
inline constexpr const char* restoreChoice = "復元(&R)";
inline constexpr const char* discardChoice = "破棄(&D)";
inline constexpr const char* laterChoice = "後で(&L)";

// The labels of the file dialog.
inline constexpr const char* lookInLabel = "保存する場所：";
inline constexpr const char* fileNameLabel = "ファイル名(&N)：";
inline constexpr const char* fileTypeLabel = "ファイルの種類：";

// The printer set-up dialog.
inline constexpr const char* printerSetupCaption = "プリンタの設定";
inline constexpr const char* printerGroup = "プリンタ";
inline constexpr const char* printerNameLabel = "プリンタ名(&N)：";
inline constexpr const char* pdfFileEntry = "PDF ファイル";
inline constexpr const char* paperGroup = "用紙";
inline constexpr const char* paperSizeLabel = "サイズ(&Z)：";
inline constexpr const char* orientationGroup = "印刷の向き";
inline constexpr const char* portraitButton = "縦(&O)";
inline constexpr const char* landscapeButton = "横(&A)";

}  // namespace casl2wb::dialog_texts
