// IN of a run in the browser, answered from the answers the page has
// gathered so far. The page's input box cannot hold a run up, so a run that
// asks once more than there are answers stops there (QuestionAsked), and the
// page asks the question and makes the run again with one more answer: runs
// are the same every time for the same answers.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "simulator/run_dialogs.h"
#include "simulator/standard_machine.h"

namespace casl2wb::web {

// Thrown out of a run that asks past the last answer; the run was made on
// copies, which are dropped.
struct QuestionAsked {
  nlohmann::json question;  // {prompt, title, defaultText}
};

// The answers in order: a string, or null for a cancelled box.
class Answers {
 public:
  explicit Answers(const nlohmann::json& answers) : answers_(answers) {}
  // The next answer: a text, or nothing for a cancelled box; past the last
  // it throws QuestionAsked.
  std::optional<std::string> next(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText);

 private:
  const nlohmann::json& answers_;
  std::size_t used_ = 0;
};

// The workbench dialect's input box (cancelled: the empty text) and its
// message boxes, which the page shows after the run.
class AnsweredDialogs : public RunDialogs {
 public:
  AnsweredDialogs(const nlohmann::json& answers, std::vector<std::string>& output)
      : answers_(answers), output_(output) {}
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void errorBox(const std::string& text) override { notices_.push_back(text); }
  void outputWritten(const std::string& line) override { output_.push_back(line); }

  const std::vector<std::string>& notices() const { return notices_; }

 private:
  Answers answers_;
  std::vector<std::string>& output_;
  std::vector<std::string> notices_;
};

// Standard IN (a cancelled box: the end of input) and OUT.
class AnsweredTerminal : public standard::Terminal {
 public:
  AnsweredTerminal(const nlohmann::json& answers, std::vector<std::string>& output)
      : answers_(answers), output_(output) {}
  std::optional<std::string> readLine() override;
  void writeLine(const std::string& utf8) override { output_.push_back(utf8); }

 private:
  Answers answers_;
  std::vector<std::string>& output_;
};

}  // namespace casl2wb::web
