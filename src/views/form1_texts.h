// The captions, menu texts, shortcut keys and tool tips of the editor window.
#pragma once

namespace casl2wb::form1_texts {

// Menus and menu items, by the control names they carry.
inline constexpr const char* file = "ファイル(&F)";
inline constexpr const char* fileopen = "ﾌｧｲﾙ読みｴﾗｰﾁｪｯｸ";
inline constexpr const char* mnuclose = "閉じる(&C)";
inline constexpr const char* mnusave = "名前を付けて保存(&A)";
inline constexpr const char* printl = "印刷(&P)";
inline constexpr const char* printsetting = "プリンタの設定(&S)";
inline constexpr const char* owari = "終了(&O)";
inline constexpr const char* mnuedit = "編集(&E)";
inline constexpr const char* mnucut = "切り取り(&T)";
inline constexpr const char* mnucopy = "コピー(&C)";
inline constexpr const char* mnupaste = "貼り付け(&P)";
inline constexpr const char* mnufind = "検索(&F)";
inline constexpr const char* mnureplace = "置換(&R)";
inline constexpr const char* errchkjika = "エラーチェック(&O)";
inline constexpr const char* jikkoug = "実行画面(&E)";
inline constexpr const char* syoukyo = "画面消去(&C)";
inline constexpr const char* helpf = "ヘルプ（&Ｈ）";
inline constexpr const char* helpsh = "ヘルプ表示";

// Shortcut keys of the edit menu.
inline constexpr const char* mnucutKey = "Ctrl+T";
inline constexpr const char* mnucopyKey = "Ctrl+C";
inline constexpr const char* mnupasteKey = "Ctrl+P";
inline constexpr const char* mnufindKey = "Ctrl+F";
inline constexpr const char* mnureplaceKey = "Ctrl+R";

// The toolbar buttons in order; a button without texts is a separator.
struct ToolButtonTexts {
  const char* toolTip;
  const char* text;
};

inline constexpr ToolButtonTexts toolButtons[] = {
    {"[ファイル]-[新規作成]", "新規作成"},
    {"[ファイル]-[開く...]", "開く"},
    {"[ファイル]-[上書き保存]", "上書き保存"},
    {nullptr, nullptr},
    {"[ファイル]-[印刷]", "印刷"},
    {nullptr, nullptr},
    {"[編集]-[切り取り]", "切り取り"},
    {"[編集]-[コピー]", "コピー"},
    {"[編集]-[貼り付け]", "貼り付け"},
    {nullptr, nullptr},
    {"[編集]-[検索]", "検索"},
};

}  // namespace casl2wb::form1_texts
