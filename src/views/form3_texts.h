// The captions and menu texts of the execution window and the trace window.
#pragma once

namespace casl2wb::form3_texts {

inline constexpr const char* form3Caption = "COMETⅡ 実行";
inline constexpr const char* Label20 = "STEP実行（UP）";
inline constexpr const char* Label22 = "経過";
inline constexpr const char* Frame1 = "COMETⅡ CPU";
inline constexpr const char* cmdadd = ">>";
inline constexpr const char* Label17 = "メモリの内容[出力]";
inline constexpr const char* jikoum = "実行(&E)";
inline constexpr const char* printm = "印刷メニュー(&M)";
inline constexpr const char* printi = "印刷(&P)";
inline constexpr const char* printg = "画面コピー(&G)";
inline constexpr const char* printcpu = "CPUﾄﾚｰｽ印刷(&C)";

// The CPU panel: caption label, its text, and the value label beside it,
// row by row, left column then right column.
struct PanelCell {
  const char* captionName;
  const char* caption;
  const char* valueName;
};
inline constexpr PanelCell panelCells[] = {
    {"Label18", "命令語：", "comand"}, {"Label13", "SP：", "Label5"},
    {"Label9", "PR：", "Label1"},      {"Label16", "FR：", "Label8"},
    {"Label10", "GR0：", "Label2"},    {"Label15", "GR4：", "Label7"},
    {"Label11", "GR1：", "Label3"},    {"Label23", "GR5：", "Label24"},
    {"Label12", "GR2：", "Label4"},    {"Label27", "GR6：", "Label25"},
    {"Label14", "GR3：", "Label6"},    {"Label28", "GR7：", "Label26"},
};

inline constexpr const char* form7Caption = "プログラムトレース";
inline constexpr const char* jobend = "終了";
inline constexpr const char* homemenyu = "ホームメニュー";

}  // namespace casl2wb::form3_texts
