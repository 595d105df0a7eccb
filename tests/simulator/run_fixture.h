// A program assembled and run on one machine per test, with scripted
// answers for IN and a record of the notices. Each load assembles onto the
// memory the machine holds, as the windows do.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "simulator/execution_loop.h"
#include "simulator/machine.h"
#include "simulator/run_dialogs.h"

namespace casl2wb::runtest {

class ScriptedRunDialogs : public RunDialogs {
 public:
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    prompts.push_back(prompt + "|" + title + "|" + defaultText);
    if (answers.empty()) return "";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void errorBox(const std::string& text) override { notices.push_back(text); }

  std::deque<std::string> answers;
  std::vector<std::string> prompts;
  std::vector<std::string> notices;
};

class RunFixture : public ::testing::Test {
 protected:
  // Assembles the lines and loads the program; the test fails when the
  // check finds errors.
  void load(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    for (const auto& line : lines) texts.push_back(fromUtf8(line));
    program = assembler.assemble(texts, machine.memory);
    ASSERT_EQ(program.errorCount, 0) << ::testing::PrintToString(program.messages);
    machine.load(program);
  }
  void run() { simulator.run(); }

  std::string word(int address) const { return machine.memory[address].text(); }
  std::string gr(int n) const { return machine.registers.at(n).text(); }
  // The items of the execution list before the end-of-run dumps.
  std::vector<std::string> runLines() const {
    std::vector<std::string> lines;
    for (const auto& item : list.items) {
      if (item.starts_with("ｱﾄﾞﾚｽ(")) break;
      lines.push_back(item);
    }
    return lines;
  }

  Assembler assembler;
  AssembledProgram program;
  Machine machine;
  VectorMessageList list;
  ScriptedRunDialogs dialogs;
  RegisterPanel panel;
  Simulator simulator{machine, list, dialogs, panel};
};

}  // namespace casl2wb::runtest
