// The run's dialogs in the text front end: each IN takes the next input line,
// and the 999-step notice goes to the error stream.
#pragma once

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "simulator/run_dialogs.h"
#include "simulator/standard_machine.h"

namespace casl2wb::cli {

// Where the answers of IN come from: the file named by --input, or standard
// input without it.
class InputSource {
 public:
  // False, with the system's reason on err, when the file cannot be opened.
  bool open(const std::optional<std::string>& path, std::ostream& err);
  std::istream& stream();

 private:
  std::ifstream file_;
  bool fromFile_ = false;
};

// The next line of input without its line end, decoded as source files
// are; none at the end of input.
std::optional<std::string> nextInputLine(std::istream& input);

// IN and OUT of a standard program: IN takes the next input line (none at
// the end of input), OUT writes its line on `out` (none: nowhere).
class ScriptedTerminal : public standard::Terminal {
 public:
  ScriptedTerminal(std::istream& input, std::ostream* out) : input_(input), out_(out) {}
  std::optional<std::string> readLine() override;
  void writeLine(const std::string& utf8) override;

 private:
  std::istream& input_;
  std::ostream* out_;
};

class ScriptedDialogs : public RunDialogs {
 public:
  ScriptedDialogs(std::istream& input, std::ostream& notices) : input_(input), notices_(notices) {}

  // The next line without its line end; at the end of input the box counts
  // as cancelled (the empty text).
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void errorBox(const std::string& text) override;

 private:
  std::istream& input_;
  std::ostream& notices_;
};

}  // namespace casl2wb::cli
