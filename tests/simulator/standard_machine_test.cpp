// Runs of standard CASL II programs: how they end, the stack, IN and OUT,
// the step limit and the record of the steps.
#include <gtest/gtest.h>

#include <sstream>

#include "assembler/standard_assembler.h"
#include "simulator/standard_machine.h"

namespace casl2wb::standard {
namespace {

class Lines : public Terminal {
 public:
  explicit Lines(std::vector<std::string> input = {}) : input_(std::move(input)) {}
  std::optional<std::string> readLine() override {
    if (next_ >= input_.size()) return std::nullopt;
    return input_[next_++];
  }
  void writeLine(const std::string& utf8) override { written.push_back(utf8); }
  std::vector<std::string> written;

 private:
  std::vector<std::string> input_;
  std::size_t next_ = 0;
};

struct Finished {
  Program program;
  Cpu cpu;
  RunEnd end;
  std::vector<std::string> output;
};

// Assembles the statements into one unit and runs them. A line that starts
// with "LABEL:" has that label.
Finished runOf(const std::string& statements, std::vector<std::string> input = {},
               std::int64_t stepLimit = defaultStepLimit, StepRecord* record = nullptr) {
  std::vector<Text> lines{U"P START"};
  std::istringstream in(statements);
  for (std::string line; std::getline(in, line);) {
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos && colon < line.find(' '))
      line[colon] = ' ';
    else
      line.insert(0, " ");
    lines.push_back(fromUtf8(line));
  }
  lines.push_back(U" END");
  Finished run;
  run.program = assemble({{"p.cas", lines}});
  EXPECT_TRUE(run.program.runnable()) << statements;
  run.cpu = loadedCpu(run.program);
  Lines terminal(std::move(input));
  run.end = standard::run(run.cpu, terminal, stepLimit, record);
  run.output = terminal.written;
  return run;
}

TEST(StandardMachine, RunsEndAsTheirLastInstructionSays) {
  struct Case {
    std::string statements;
    End end;
    std::int64_t steps;
    std::uint16_t pr;
    std::uint16_t detail;
  };
  const std::vector<Case> cases = {
      {"NOP\nRET", End::Return, 2, 1, 0},
      {"CALL 4\nRET\nNOP\nRET", End::Return, 3, 2, 0},  // back from the subroutine, then out
      {"POP GR1", End::StackUnderflow, 0, 0, 0},
      {"L: PUSH 0\nJUMP L", End::StackOverflow, 2 * (65536 - 4), 0, 4},
      {"JUMP #FFFF", End::AddressError, 1, 0xFFFF, 0},
      {"DC #1080", End::BadInstruction, 0, 0, 0x1080},
      {"DC #9000", End::BadInstruction, 0, 0, 0x9000},
      {"DC #008F\nDC #7180\nRET", End::BadInstruction, 1, 1, 0x7180},  // NOP is any 00xx
      {"DC #1480", End::BadInstruction, 0, 0, 0x1480},
      {"DC #6408,0", End::BadInstruction, 0, 0, 0x6408},
      {"DC #64F0,3\nNOP\nRET", End::Return, 2, 3, 0},  // JUMP has no r
      {"SVC 0", End::BadSupervisorCall, 0, 0, 0},
      {"L: JUMP L", End::StepLimit, 1000, 0, 0},
  };
  for (const Case& c : cases) {
    const Finished run = runOf(c.statements, {}, 1000000);
    const RunEnd expected{c.end, c.steps, c.pr, c.detail};
    EXPECT_EQ(run.end.end, expected.end) << c.statements;
    if (c.end != End::StepLimit) {
      EXPECT_EQ(run.end.steps, expected.steps) << c.statements;
      EXPECT_EQ(run.end.pr, expected.pr) << c.statements;
      EXPECT_EQ(run.end.detail, expected.detail) << c.statements;
    }
  }
  // A one-word instruction in the last word: PR would leave the memory.
  const Finished last = runOf("LAD GR1,#7000\nST GR1,#FFFF\nJUMP #FFFF");
  EXPECT_EQ(last.end.end, End::AddressError);
  EXPECT_EQ(last.end.pr, 0xFFFF);
  EXPECT_EQ(runOf("L: JUMP L", {}, 1000).end.steps, 1000);
}

TEST(StandardMachine, TheStackStartsAtTheTopAndCallPushesTheNextAddress) {
  const Finished run = runOf("CALL S\nLD GR2,#FFFF\nRET\nS: LD GR1,#FFFF\nPUSH 9\nPOP GR3\nRET");
  EXPECT_EQ(run.end.end, End::Return);
  EXPECT_EQ(run.cpu.registers[1], 2);  // the address after CALL, at FFFF
  EXPECT_EQ(run.cpu.registers[2], 2);
  EXPECT_EQ(run.cpu.registers[3], 9);
  EXPECT_EQ(run.cpu.sp, memoryWords);
}

TEST(StandardMachine, InReadsALineAWordACharacterAndItsLength) {
  const std::string program = "IN BUF,LEN\nRET\nBUF: DS 300\nLEN: DC 77";
  const auto lengthAfter = [&](std::vector<std::string> input) {
    const Finished run = runOf(program, std::move(input));
    const std::uint16_t len = *run.program.addressOf(U"LEN");
    const std::uint16_t buf = *run.program.addressOf(U"BUF");
    return std::pair{run.cpu.memory[len], run.cpu.memory[buf]};
  };
  EXPECT_EQ(lengthAfter({"AB"}), (std::pair<std::uint16_t, std::uint16_t>{2, 'A'}));
  EXPECT_EQ(lengthAfter({""}), (std::pair<std::uint16_t, std::uint16_t>{0, 0}));
  EXPECT_EQ(lengthAfter({}), (std::pair<std::uint16_t, std::uint16_t>{0xFFFF, 0}));
  EXPECT_EQ(lengthAfter({std::string(300, 'X')}).first, 256);
  EXPECT_EQ(lengthAfter({"あ"}), (std::pair<std::uint16_t, std::uint16_t>{2, 0x82}));

  const Finished untouched = runOf(program, {"ABC"});
  const std::uint16_t buf = *untouched.program.addressOf(U"BUF");
  EXPECT_EQ(untouched.cpu.memory[buf + 3], 0);
  EXPECT_EQ(untouched.cpu.registers, (std::array<std::uint16_t, 8>{}));  // GR1, GR2 kept
}

TEST(StandardMachine, OutWritesAsManyCharactersAsItsLengthSays) {
  const auto lineOf = [](const std::string& length) {
    const Finished run = runOf("OUT BUF,LEN\nRET\nBUF: DC #4141,'BC',#82,#A0\nLEN: DC " + length);
    EXPECT_EQ(run.output.size(), 1u);
    return run.output.empty() ? std::string("(none)") : run.output[0];
  };
  EXPECT_EQ(lineOf("3"), "ABC");  // the lower byte of each word
  EXPECT_EQ(lineOf("5"), "ABCあ");
  EXPECT_EQ(lineOf("0"), "");
  EXPECT_EQ(lineOf("-1"), "");
  EXPECT_EQ(lineOf("1000").size(), 5u + 3u + 251u);  // 256 words: the rest are NUL
  const Finished run = runOf("OUT BUF,LEN\nRET\nBUF: DC 'A'\nLEN: DC 1");
  EXPECT_EQ(run.cpu.memory[*run.program.addressOf(U"LEN")], 1);  // read, never written
}

TEST(StandardMachine, RpushAndRpopKeepTheRegisters) {
  const Finished run = runOf(
      "LAD GR1,1\nLAD GR4,4\nLAD GR7,7\nRPUSH\nLAD GR1,0\nLAD GR4,0\nLAD GR7,0\nLD GR5,#FFF8\n"
      "RPOP\nRET");
  EXPECT_EQ(run.cpu.registers, (std::array<std::uint16_t, 8>{0, 1, 0, 0, 4, 0, 0, 7}));
}

TEST(StandardMachine, TheRecordHoldsEveryStepUpToItsLimit) {
  StepRecord record;
  record.limit = 3;
  const Finished run =
      runOf("LAD GR1,5\nST GR1,X\nST GR1,X\nST GR1,X\nRET\nX: DC 0", {}, defaultStepLimit, &record);
  EXPECT_EQ(run.end.steps, 5);
  ASSERT_EQ(record.steps.size(), 3u);
  EXPECT_EQ(record.steps[0].pr, 0);
  EXPECT_EQ(record.steps[0].nextPr, 2);
  EXPECT_EQ(record.steps[0].registers[1], 5);
  ASSERT_EQ(record.writes.size(), 2u);
  EXPECT_EQ(record.writes[0].address, 9);
  EXPECT_EQ(record.writes[0].before, 0);
  EXPECT_EQ(record.writes[1].before, 5);
  EXPECT_EQ(record.steps[1].writesEnd, 1u);
  const CpuPanel panel = panelOf(record.steps[0], run.cpu.memory);
  EXPECT_EQ(panel.pr, 2);
  EXPECT_EQ(panel.instruction->mnemonic, "ST");
  EXPECT_EQ(panelOf(run.cpu).instruction->mnemonic, "RET");
}

}  // namespace
}  // namespace casl2wb::standard
