// The captions and menu texts of the execution window and the trace window.
#pragma once

#include "views/object_names.h"

namespace casl2wb::execution_texts {

inline constexpr const char* executionWindowCaption = "COMETⅡ 実行";
inline constexpr const char* stepHeading = "STEP実行（UP）";
inline constexpr const char* elapsedHeading = "経過";
inline constexpr const char* cpuPanel = "COMETⅡ CPU";
inline constexpr const char* stepButton = ">>";
inline constexpr const char* outputHeading = "メモリの内容[出力]";
inline constexpr const char* runAction = "実行(&E)";
inline constexpr const char* printMenu = "印刷メニュー(&M)";
inline constexpr const char* printRunAction = "印刷(&P)";
inline constexpr const char* screenCopyAction = "画面コピー(&G)";
inline constexpr const char* printCpuTraceAction = "CPUﾄﾚｰｽ印刷(&C)";

// The CPU panel: the caption label's object name and text, and the object
// name of the value label beside it, row by row, left column then right.
struct PanelCell {
  const char* captionName;
  const char* caption;
  const char* valueName;
};
inline constexpr PanelCell panelCells[] = {
    {object_names::mnemonicCaption, "命令語：", object_names::mnemonicValue},
    {object_names::stackPointerCaption, "SP：", object_names::stackPointerValue},
    {object_names::programRegisterCaption, "PR：", object_names::programRegisterValue},
    {object_names::flagsCaption, "FR：", object_names::flagsValue},
    {object_names::grCaptions[0], "GR0：", object_names::grValues[0]},
    {object_names::grCaptions[4], "GR4：", object_names::grValues[4]},
    {object_names::grCaptions[1], "GR1：", object_names::grValues[1]},
    {object_names::grCaptions[5], "GR5：", object_names::grValues[5]},
    {object_names::grCaptions[2], "GR2：", object_names::grValues[2]},
    {object_names::grCaptions[6], "GR6：", object_names::grValues[6]},
    {object_names::grCaptions[3], "GR3：", object_names::grValues[3]},
    {object_names::grCaptions[7], "GR7：", object_names::grValues[7]},
};

// The replay's button that goes back one recorded step.
inline constexpr const char* stepBackButton = "<<";

// The replay's keys: one step forward and back (as ">>" and "<<"), each by a
// function key or an arrow, and the first and the last recorded step; the
// box that goes to the step of its number, and the buttons that go to the
// next and the previous step at a breakpoint.
inline constexpr const char* stepForwardKey = "F10";
inline constexpr const char* stepForwardArrowKey = "Right";
inline constexpr const char* stepBackKey = "Shift+F10";
inline constexpr const char* stepBackArrowKey = "Left";
inline constexpr const char* firstStepKey = "Home";
inline constexpr const char* lastStepKey = "End";
inline constexpr const char* goToStepLabel = "ステップ";
// A standard program: the address the memory list starts at.
inline constexpr const char* addressBoxLabel = "番地(&A)";
inline constexpr const char* nextBreakButton = "次のブレーク";
inline constexpr const char* previousBreakButton = "前のブレーク";

// The pane of the lines the program's OUT wrote.
inline constexpr const char* programOutputHeading = "出力";

inline constexpr const char* traceWindowCaption = "プログラムトレース";
inline constexpr const char* endProgramAction = "終了";
inline constexpr const char* homeAction = "ホームメニュー";

}  // namespace casl2wb::execution_texts
