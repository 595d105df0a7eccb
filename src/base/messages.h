// Every message the workbench shows, with its text in one place. A text may
// hold "{}" marks, which formatMessage fills with its arguments in order.
// The messages of the check, the translation and a run stand in a banner of
// stars and the word for an error or a warning, which the catalogue keeps
// apart from their plain text.
// The check's and the translation's messages count as errors; the run's
// messages go to the execution window's list; the rest are the desktop
// program's own.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace casl2wb {

enum class Message {
  // The check, line by line.
  LineTooLong,
  NoStart,
  StartWithoutLabel,
  LabelNotAllowed,
  OperandNotAllowed,
  StraySpace,
  BranchIndexBad,
  ThirdOperandNotAllowed,
  FirstOperandNotRegister,
  SecondOperandTooLong,
  SecondOperandBad,
  PopOperandBad,
  SecondOperandNotAllowed,
  IndexNotRegister,
  UnknownOperation,
  LabelTooLong,
  LabelBad,
  DsCountBad,
  // The check, after the last line.
  TooManyLines,
  NoRet,
  NoEnd,
  LabelUndefined,  // {line}, {operand 1 or 2}, {label}
  LabelTwice,      // {line}, {operand 1 or 2}, {label}
  NoErrors,
  ErrorTotal,  // {count}
  // The translation.
  IndexGr0,  // {line}
  ProgramTooLarge,
  // A run.
  PassLimitBad,
  HistoryLimit,
  PushWithoutIndex,
  InputTooLong,
  AddressOutOfRange,  // {highest address}, {PR in decimal}, {effective address}, {SP}
  InputPrompt,
  InputTitle,
  InputDefault,
  // The desktop program.
  CannotWrite,          // {path}, {reason}
  CannotRead,           // {path}, {reason}
  ReadFolder,           //
  ReadNotRegularFile,   //
  ReadTooLarge,         // {limit in bytes}
  WorkFileFailed,       // {path}, {reason}
  TextTooLargeToCheck,  // {limit in characters}
  FileNameNeeded,       //
  PrintingFailed,       //
  FindEnded,            //
  FindAndReplaceEnded,  //

  // The editor and the file window: the question before a save overwrites
  // another file, and the reasons of file errors that users commonly meet
  // (the system's texts of ENOENT, EACCES, EISDIR, ENOSPC and EROFS) as the
  // desktop program shows them.
  OverwriteFile,             // {path}
  ReasonNoSuchFile,          //
  ReasonPermissionDenied,    //
  ReasonIsFolder,            //
  ReasonDiskFull,            //
  ReasonReadOnlyFileSystem,  //

  // The execution window: a run refused, the replay's step counter and the
  // status line that tells how the last run ended.
  RunWithoutProgram,       //
  RunAfterErrors,          //
  ReplayStep,              // {step shown}, {recorded steps}
  RunEndedAtReturn,        //
  RunEndedAtPassLimit,     // {pass limit}
  RunEndedAtAddressError,  //
  RunEndedAtBlankWord,     // {address}

  // The editor: the question before it drops a text that no file holds
  // (what is unsaved, then what is about to happen), the recovery of a text
  // that an ended program left, going to a line or an error line, and tabs.
  UnsavedFileText,    // {path}
  UnsavedNewText,     //
  SaveBeforeEnd,      // {what is unsaved}
  SaveBeforeClear,    // {what is unsaved}
  SaveBeforeLoad,     // {what is unsaved}, {path}
  SaveBeforeRestore,  // {what is unsaved}
  RecoveryOffer,      // {file}, {time}, {lines}
  RecoveryNoFile,     //
  RecoveryFailed,     // {reason}
  GoToLinePrompt,     // {last line}
  GoToLineTitle,      //
  LineNumberBad,      // {last line}
  NoErrorLines,       //
  TabsInText,         //

  // The execution window: a run of a text changed since its check, and a
  // print before any run.
  ProgramChangedSinceCheck,  //
  NothingToPrint,            //

  // The execution window: the heading of a run in the output pane, and the
  // status line's word when no breakpoint leads anywhere.
  RunHeading,     // {run number}
  NoBreakpoints,  //
  NoBreakAfter,   //
  NoBreakBefore,  //

  // The replace dialog: what replacing all did.
  ReplacedAll,      // {count}
  NothingReplaced,  // {search text}

  // The help window's search.
  HelpTextNotFound,  // {search text}

  // The check of standard CASL II.
  StdStatementOutsideUnit,  //
  StdNoEnd,                 //
  StdStartBeforeEnd,        //
  StdStartWithoutLabel,     //
  StdLabelNotAllowed,       // {operation}
  StdLabelBad,              // {label}
  StdLabelTwice,            // {label}
  StdLabelUndefined,        // {label}
  StdNoOperation,           //
  StdUnknownOperation,      // {operation}
  StdOperandCount,          // {operation}
  StdRegisterBad,           // {operand}
  StdIndexBad,              // {operand}
  StdAddressBad,            // {operand}
  StdConstantBad,           // {operand}
  StdCountBad,              // {operand}
  StdQuoteUnclosed,         //
  StdEntryNotInUnit,        // {label}
  StdProgramTooLarge,       //
  StdNoProgram,             //
  StdFileHeading,           // {file}

  // A run of standard CASL II: how it ended.
  StdEndedAtReturn,             // {steps}
  StdEndedAtStepLimit,          // {steps}, {PR}
  StdEndedAtStackOverflow,      // {steps}, {PR}, {SP}
  StdEndedAtStackUnderflow,     // {steps}, {PR}
  StdEndedAtAddressError,       // {steps}, {PR}
  StdEndedAtBadInstruction,     // {steps}, {PR}, {word}
  StdEndedAtBadSupervisorCall,  // {call number}, {steps}, {PR}
  StdInputPrompt,               //
  StdDialectCaption,            // {dialect name}
  StdDialectName,               //
  WorkbenchDialectName,         //
};

// The stars and the word around a message's text, spaces included:
// "***** ｴﾗ- ***** " before it and "*****" after it; empty for a message
// without a banner.
struct MessageBanner {
  std::string_view opening;
  std::string_view closing;
};

// The plain text as it is catalogued, "{}" marks included.
std::string_view messageText(Message message);
MessageBanner messageBanner(Message message);

// The message as the windows and lists show it: its banner around the text
// with each "{}" replaced by the next argument.
std::string formatMessage(Message message, std::initializer_list<std::string_view> arguments = {});
// The same without the banner.
std::string formatPlainMessage(Message message,
                               std::initializer_list<std::string_view> arguments = {});
// Either of them, for arguments kept in a list.
std::string formatMessage(Message message, const std::vector<std::string>& arguments,
                          bool withBanner);

}  // namespace casl2wb
