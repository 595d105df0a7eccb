// The captions, menu texts, shortcut keys and tool tips of the editor window.
#pragma once

namespace casl2wb::editor_texts {

// The menus and their items.
inline constexpr const char* fileMenu = "ファイル(&F)";
inline constexpr const char* fileWindowAction = "ﾌｧｲﾙ読みｴﾗｰﾁｪｯｸ";
inline constexpr const char* closeAction = "閉じる(&C)";
inline constexpr const char* saveAsAction = "名前を付けて保存(&A)";
inline constexpr const char* printAction = "印刷(&P)";
inline constexpr const char* printerSetupAction = "プリンタの設定(&S)";
inline constexpr const char* endAction = "終了(&O)";
inline constexpr const char* editMenu = "編集(&E)";
inline constexpr const char* cutAction = "切り取り(&T)";
inline constexpr const char* copyAction = "コピー(&C)";
inline constexpr const char* pasteAction = "貼り付け(&P)";
inline constexpr const char* findAction = "検索(&F)";
inline constexpr const char* replaceAction = "置換(&R)";
inline constexpr const char* checkAction = "エラーチェック(&O)";
inline constexpr const char* executionWindowsAction = "実行画面(&E)";
inline constexpr const char* clearAction = "画面消去(&C)";
inline constexpr const char* helpMenu = "ヘルプ（&Ｈ）";
inline constexpr const char* dialectMenu = "方言(&D)";
inline constexpr const char* standardDialectAction = "CASL II 規格";
inline constexpr const char* workbenchDialectAction = "ワークベンチ方言";
inline constexpr const char* helpAction = "ヘルプ表示";

// Shortcut keys of the edit menu.
inline constexpr const char* cutKey = "Ctrl+T";
inline constexpr const char* copyKey = "Ctrl+C";
inline constexpr const char* pasteKey = "Ctrl+P";
inline constexpr const char* findKey = "Ctrl+F";
inline constexpr const char* replaceKey = "Ctrl+R";

// Keys of commands that have no menu item: saving to the text's own file,
// opening the help menu (whose full-width access key cannot be typed), the
// next and the previous error line, going to a line, and setting or clearing
// the breakpoint of the caret's line.
inline constexpr const char* saveKey = "Ctrl+S";
inline constexpr const char* helpMenuKey = "Alt+H";
inline constexpr const char* nextErrorKey = "F8";
inline constexpr const char* previousErrorKey = "Shift+F8";
inline constexpr const char* goToLineKey = "Ctrl+G";
// The help at the instruction of the caret's line, and the breakpoint of
// the caret's line, set or cleared.
inline constexpr const char* helpTopicKey = "F1";
inline constexpr const char* toggleBreakpointKey = "F9";

// The status line's button that turns tabs into spaces.
inline constexpr const char* convertTabsButton = "タブを空白に変換";

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

}  // namespace casl2wb::editor_texts
