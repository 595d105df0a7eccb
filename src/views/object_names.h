// The object names of the windows, their controls, menus and timers. The
// windows name their objects with these, and tests find them by them.
#pragma once

namespace casl2wb::object_names {

// The editor window.
inline constexpr const char* editorWindow = "editorWindow";
inline constexpr const char* sourceEdit = "sourceEdit";
inline constexpr const char* messageList = "messageList";

// The editor's toolbar, its buttons and separators.
inline constexpr const char* toolbar = "toolbar";
inline constexpr const char* newFileButton = "newFileButton";
inline constexpr const char* openButton = "openButton";
inline constexpr const char* saveButton = "saveButton";
inline constexpr const char* printButton = "printButton";
inline constexpr const char* cutButton = "cutButton";
inline constexpr const char* copyButton = "copyButton";
inline constexpr const char* pasteButton = "pasteButton";
inline constexpr const char* findButton = "findButton";
inline constexpr const char* toolbarSeparator1 = "toolbarSeparator1";
inline constexpr const char* toolbarSeparator2 = "toolbarSeparator2";
inline constexpr const char* toolbarSeparator3 = "toolbarSeparator3";
// The toolbar's items from left to right.
inline constexpr const char* toolbarItems[] = {
    newFileButton, openButton, saveButton,  toolbarSeparator1, printButton, toolbarSeparator2,
    cutButton,     copyButton, pasteButton, toolbarSeparator3, findButton,
};

// The editor's menus and their items.
inline constexpr const char* fileMenu = "fileMenu";
inline constexpr const char* fileWindowAction = "fileWindowAction";
inline constexpr const char* closeAction = "closeAction";
inline constexpr const char* saveAsAction = "saveAsAction";
inline constexpr const char* fileMenuSeparator1 = "fileMenuSeparator1";
inline constexpr const char* printAction = "printAction";
inline constexpr const char* printerSetupAction = "printerSetupAction";
inline constexpr const char* fileMenuSeparator2 = "fileMenuSeparator2";
inline constexpr const char* endAction = "endAction";
inline constexpr const char* editMenu = "editMenu";
inline constexpr const char* cutAction = "cutAction";
inline constexpr const char* copyAction = "copyAction";
inline constexpr const char* pasteAction = "pasteAction";
inline constexpr const char* editMenuSeparator = "editMenuSeparator";
inline constexpr const char* findAction = "findAction";
inline constexpr const char* replaceAction = "replaceAction";
inline constexpr const char* checkAction = "checkAction";
inline constexpr const char* executionWindowsAction = "executionWindowsAction";
inline constexpr const char* clearAction = "clearAction";
inline constexpr const char* helpMenu = "helpMenu";
inline constexpr const char* dialectMenu = "dialectMenu";
inline constexpr const char* standardDialectAction = "standardDialectAction";
inline constexpr const char* workbenchDialectAction = "workbenchDialectAction";
inline constexpr const char* dialectStatus = "dialectStatus";
inline constexpr const char* addressBox = "addressBox";
inline constexpr const char* addressBoxLabel = "addressBoxLabel";
inline constexpr const char* helpAction = "helpAction";

// The file window.
inline constexpr const char* fileWindow = "fileWindow";
inline constexpr const char* driveList = "driveList";
inline constexpr const char* folderList = "folderList";
inline constexpr const char* fileList = "fileList";
inline constexpr const char* fileNameLabel = "fileNameLabel";
inline constexpr const char* fileNameEdit = "fileNameEdit";
inline constexpr const char* loadAndCheckAction = "loadAndCheckAction";
inline constexpr const char* fileSaveAction = "fileSaveAction";
inline constexpr const char* fileSaveAsAction = "fileSaveAsAction";

// The execution window.
inline constexpr const char* executionWindow = "executionWindow";
inline constexpr const char* stepHeading = "stepHeading";
inline constexpr const char* elapsedHeading = "elapsedHeading";
inline constexpr const char* cpuPanel = "cpuPanel";
inline constexpr const char* stepButton = "stepButton";
inline constexpr const char* outputHeading = "outputHeading";
inline constexpr const char* outputList = "outputList";
inline constexpr const char* runAction = "runAction";
inline constexpr const char* printMenu = "printMenu";
inline constexpr const char* printRunAction = "printRunAction";
inline constexpr const char* screenCopyAction = "screenCopyAction";
inline constexpr const char* printCpuTraceAction = "printCpuTraceAction";

// The CPU panel of the execution window: a caption and a value per register.
inline constexpr const char* mnemonicCaption = "mnemonicCaption";
inline constexpr const char* mnemonicValue = "mnemonicValue";
inline constexpr const char* programRegisterCaption = "programRegisterCaption";
inline constexpr const char* programRegisterValue = "programRegisterValue";
inline constexpr const char* stackPointerCaption = "stackPointerCaption";
inline constexpr const char* stackPointerValue = "stackPointerValue";
inline constexpr const char* flagsCaption = "flagsCaption";
inline constexpr const char* flagsValue = "flagsValue";
// GR0 to GR7.
inline constexpr const char* grCaptions[] = {"gr0Caption", "gr1Caption", "gr2Caption",
                                             "gr3Caption", "gr4Caption", "gr5Caption",
                                             "gr6Caption", "gr7Caption"};
inline constexpr const char* grValues[] = {"gr0Value", "gr1Value", "gr2Value", "gr3Value",
                                           "gr4Value", "gr5Value", "gr6Value", "gr7Value"};

// The trace window.
inline constexpr const char* traceWindow = "traceWindow";
inline constexpr const char* traceText = "traceText";
inline constexpr const char* endProgramAction = "endProgramAction";
inline constexpr const char* homeAction = "homeAction";

// The find dialog and the replace dialog.
inline constexpr const char* findDialog = "findDialog";
inline constexpr const char* replaceDialog = "replaceDialog";
inline constexpr const char* findLabel = "findLabel";
inline constexpr const char* findText = "findText";
inline constexpr const char* replaceLabel = "replaceLabel";
inline constexpr const char* replaceText = "replaceText";
inline constexpr const char* findNextButton = "findNextButton";
inline constexpr const char* replaceButton = "replaceButton";
inline constexpr const char* replaceAllButton = "replaceAllButton";
inline constexpr const char* cancelButton = "cancelButton";
inline constexpr const char* matchCaseCheck = "matchCaseCheck";
inline constexpr const char* fromTopCheck = "fromTopCheck";

// The splash window.
inline constexpr const char* splashWindow = "splashWindow";
inline constexpr const char* titlePicture = "titlePicture";
inline constexpr const char* closeTimer = "closeTimer";

// The help window.
inline constexpr const char* helpWindow = "helpWindow";
inline constexpr const char* helpText = "helpText";
inline constexpr const char* helpSearch = "helpSearch";
inline constexpr const char* helpSearchStatus = "helpSearchStatus";

// The editor's line-number margin, and the printer set-up dialog with its
// printer list, paper sizes and orientation buttons.
inline constexpr const char* lineNumberMargin = "lineNumberMargin";
inline constexpr const char* printerSetupDialog = "printerSetupDialog";
inline constexpr const char* printerNameList = "printerNameList";
inline constexpr const char* paperSizeList = "paperSizeList";
inline constexpr const char* portraitButton = "portraitButton";
inline constexpr const char* landscapeButton = "landscapeButton";

// The execution window's replay controls and status line: the "<<" button,
// the step counter and the line that tells how the last run ended.
inline constexpr const char* stepBackButton = "stepBackButton";
inline constexpr const char* stepCounter = "stepCounter";
inline constexpr const char* runEndStatus = "runEndStatus";

// The execution window's step box, its buttons and keys from step to step
// and from breakpoint to breakpoint, and the pane of the program's output.
inline constexpr const char* stepBoxLabel = "stepBoxLabel";
inline constexpr const char* stepBox = "stepBox";
inline constexpr const char* nextBreakButton = "nextBreakButton";
inline constexpr const char* previousBreakButton = "previousBreakButton";
inline constexpr const char* stepForwardAction = "stepForwardAction";
inline constexpr const char* stepBackAction = "stepBackAction";
inline constexpr const char* firstStepAction = "firstStepAction";
inline constexpr const char* lastStepAction = "lastStepAction";
inline constexpr const char* programOutputHeading = "programOutputHeading";
inline constexpr const char* programOutputList = "programOutputList";

// The editor's commands without menu items, and its status line with the
// notice about tabs.
inline constexpr const char* saveToFileAction = "saveToFileAction";
inline constexpr const char* helpMenuKeyAction = "helpMenuKeyAction";
inline constexpr const char* nextErrorAction = "nextErrorAction";
inline constexpr const char* previousErrorAction = "previousErrorAction";
inline constexpr const char* goToLineAction = "goToLineAction";
inline constexpr const char* toggleBreakpointAction = "toggleBreakpointAction";
inline constexpr const char* helpTopicAction = "helpTopicAction";
inline constexpr const char* tabNotice = "tabNotice";
inline constexpr const char* convertTabsButton = "convertTabsButton";

}  // namespace casl2wb::object_names
