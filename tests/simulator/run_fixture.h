// A program assembled and run on one machine per test, with scripted
// answers for IN and a record of the notices. Each load assembles onto the
// memory the machine holds, as the windows do. And FinishedRun: a small
// program run once, for tables of instructions and what they leave.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/label_addresses.h"
#include "assembler/listing_text.h"
#include "documents/run_listing.h"
#include "simulator/cpu_panel.h"
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

// The mnemonic a CPU panel shows: "" when the word at PR is no instruction.
inline std::string mnemonicOf(const CpuPanel& panel) {
  return panel.instruction != nullptr ? std::string(panel.instruction->mnemonic) : "";
}

// The items of a run's list before the end-of-run dumps.
inline std::vector<std::string> linesBeforeDumps(const VectorMessageList& list) {
  std::vector<std::string> lines;
  for (const auto& item : list.items) {
    if (item.starts_with("ｱﾄﾞﾚｽ(")) break;
    lines.push_back(item);
  }
  return lines;
}

class RunFixture : public ::testing::Test {
 protected:
  // Assembles the lines and loads the program; the test fails when the
  // check finds errors.
  void load(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    for (const auto& line : lines) texts.push_back(fromUtf8(line));
    program = assembler.assemble(texts, machine.cpu().memory);
    ASSERT_EQ(program.errorCount, 0) << ::testing::PrintToString(listingTexts(program.listing));
    machine.load(program);
  }
  void run() { simulator.run(); }
  // The CPU panel as the last run left the machine.
  CpuPanel panel() const { return panelOf(machine.cpu()); }
  // Changes a word of the loaded program, where the translation would not
  // write it, and loads the program again.
  void patch(int address, Word word) {
    program.image[address] = word;
    machine.load(program);
  }

  std::string word(int address) const { return machine.cpu().memory[address].text(); }
  std::string gr(int n) const { return machine.cpu().registers.at(n).text(); }
  // The items of the execution list before the end-of-run dumps.
  std::vector<std::string> runLines() const { return linesBeforeDumps(list); }

  Assembler assembler;
  AssembledProgram program;
  Machine machine;
  VectorMessageList list;
  RunListing listing{list};
  ScriptedRunDialogs dialogs;
  Simulator simulator{machine, listing, dialogs};
};

// A small program as one run leaves it: the line `start`, the statements
// of `code` (one a line, written as in a source file), RET, the statements
// of `data` and END, run once on a fresh machine; IN takes `answers` in
// turn. The test fails when the check finds an error.
class FinishedRun {
 public:
  explicit FinishedRun(std::string_view code, std::string_view data = "",
                       std::vector<std::string> answers = {}, std::string_view start = "P START") {
    std::vector<Text> lines = {fromUtf8(start)};
    const auto addLines = [&lines](std::string_view text) {
      while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(fromUtf8(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
      }
    };
    addLines(code);
    lines.push_back(U" RET");
    addLines(data);
    lines.push_back(U" END");
    program = Assembler().assemble(lines);
    if (program.errorCount != 0) {
      ADD_FAILURE() << ::testing::PrintToString(listingTexts(program.listing));
      return;
    }
    machine.load(program);
    dialogs.answers.assign(answers.begin(), answers.end());
    RunListing listing(list);
    Simulator(machine, listing, dialogs).run();
  }

  // The value `name` stands for: GR0 to GR7, FR, PR and SP as the run left
  // them, "steps" (the steps recorded, in decimal), the memory word at a
  // label, at "LABEL+N" or at "#HHHH", each as the machine shows it.
  std::string operator[](std::string_view name) const {
    if (name.size() == 3 && name.starts_with("GR"))
      return machine.cpu().registers.at(name[2] - '0').text();
    if (name == "FR") return machine.cpu().flags.text();
    if (name == "PR") return Word::of(machine.cpu().pr).text();
    if (name == "SP") return Word::of(machine.cpu().sp).text();
    if (name == "steps") return std::to_string(machine.record().recordedSteps());
    if (name.starts_with("#"))
      return machine.cpu().memory[std::stoi(std::string(name.substr(1)), nullptr, 16)].text();
    const std::size_t plus = std::min(name.find('+'), name.size());
    const std::optional<std::int64_t> address =
        LabelAddresses(program.source).addressOf(fromUtf8(name.substr(0, plus)));
    if (!address) return "no label " + std::string(name);
    const int offset = plus < name.size() ? std::stoi(std::string(name.substr(plus + 1))) : 0;
    return machine.cpu().memory[*address + offset].text();
  }

  // The items of the run's list before the end-of-run dumps.
  std::vector<std::string> runLines() const { return linesBeforeDumps(list); }

  AssembledProgram program;
  Machine machine;
  VectorMessageList list;
  ScriptedRunDialogs dialogs;
};

// A row of a table of runs: what it shows, the code and data of a
// FinishedRun, and what expectState expects of it.
struct RunCase {
  const char* what;
  const char* code;
  const char* data;
  const char* expected;
};

// Expects each NAME=VALUE of `expected` (separated by spaces) of the run,
// NAME as FinishedRun reads it; "blank" is the word of four blanks.
inline void expectState(const FinishedRun& run, std::string_view expected) {
  while (!expected.empty()) {
    const std::size_t end = std::min(expected.find(' '), expected.size());
    const std::string_view item = expected.substr(0, end);
    expected.remove_prefix(std::min(end + 1, expected.size()));
    if (item.empty()) continue;
    const std::size_t equals = item.find('=');
    ASSERT_NE(equals, std::string_view::npos) << item;
    const std::string_view value = item.substr(equals + 1);
    EXPECT_EQ(run[item.substr(0, equals)], value == "blank" ? "    " : std::string(value))
        << item.substr(0, equals);
  }
}

}  // namespace casl2wb::runtest
