// A program checked, translated and run on a fresh machine for each test,
// with scripted answers for IN and a count of the 999-step notices.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "codegen/assembler.h"
#include "machine/execution_loop.h"
#include "machine/machine_state.h"
#include "machine/run_dialogs.h"

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
  void errorBox(const std::string& text, const std::string& title) override {
    notices.push_back(text + "|" + title);
  }

  std::deque<std::string> answers;
  std::vector<std::string> prompts;
  std::vector<std::string> notices;
};

class RunFixture : public ::testing::Test {
 protected:
  // Checks and translates the lines; the test fails when the check finds errors.
  void load(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    for (const auto& line : lines) texts.push_back(fromUtf8(line));
    assembler.checker.checkLines(texts);
    ASSERT_EQ(table.errorCount, 0) << ::testing::PrintToString(messages.items);
  }
  void run() { loop.jikoum_Click(); }

  std::string word(int address) const { return memory.memText.at(address).text(); }
  std::string gr(int n) const { return machine.grText.at(n).text(); }
  // The items of the execution list before the end-of-run dumps.
  std::vector<std::string> runLines() const {
    std::vector<std::string> lines;
    for (const auto& item : list.items) {
      if (item.starts_with("ｱﾄﾞﾚｽ(")) break;
      lines.push_back(item);
    }
    return lines;
  }

  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  Assembler assembler{table, memory, messages, trace};
  MachineState machine{memory};
  VectorMessageList list;
  ScriptedRunDialogs dialogs;
  RegisterPanel panel;
  ExecutionLoop loop{machine, table, list, dialogs, panel};
};

}  // namespace casl2wb::runtest
