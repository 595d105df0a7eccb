// One run of the loaded program: the run start, the passes that offer the
// word at PR to every instruction of the instruction set in its order, the
// history recorded after every instruction, and the end-of-run display.
#pragma once

#include <cstdint>
#include <string>

#include "base/cp932.h"
#include "base/message_list.h"
#include "comet2/instruction_set.h"
#include "simulator/machine.h"
#include "simulator/register_panel.h"
#include "simulator/run_dialogs.h"

namespace casl2wb {

class Simulator {
 public:
  // The run writes into `output` (the execution window's list) and sets
  // `panel` (its CPU panel) at the end.
  Simulator(Machine& machine, MessageList& output, RunDialogs& dialogs, RegisterPanel& panel);

  // The command "実行(&E)": one complete run.
  void run();

 private:
  void startRun();
  void prepareAddresses(int from, int to);
  // The passes of a run, up to its end.
  void runPasses();
  bool runPass(std::int64_t& pr, int& step, int highest);
  // The instructions that move SP or talk to the user; `eff` is the
  // instruction's effective address (0 when it has none).
  void carryOut(const Instruction& instruction, std::int64_t eff);
  void finishRun();

  // The address error line of the instruction at PR; ends the run.
  void reportAddressError(std::int64_t eff);

  // Records the step and moves PR on by `advance` words.
  void record(int advance);

  void push(std::int64_t eff);
  void pushRegisters();
  void pop();
  void popRegisters();
  void call();
  void returnFromCall();
  bool bufferAddresses(std::int64_t& buffer, std::int64_t& lengthAddress);
  void output();
  void input();
  void dump();
  bool stackHasRoom(int words);

  Machine& m_;
  MessageList& output_;
  RunDialogs& dialogs_;
  RegisterPanel& panel_;
  Cp932Encoder encoder_;
  // The line that OUT is making, kept from one line to the next.
  std::string lineBuffer_;
  bool running_ = false;
};

}  // namespace casl2wb
