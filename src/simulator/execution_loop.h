// One run of the loaded program: the run start, the passes that offer the
// word at PR to every instruction of the instruction set in its order, the
// history recorded after every instruction, and the end-of-run display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "base/cp932.h"
#include "comet2/instruction_set.h"
#include "simulator/machine.h"
#include "simulator/pass_state.h"
#include "simulator/run_dialogs.h"
#include "simulator/run_output.h"

namespace casl2wb {

class Simulator {
 public:
  // The run hands its lines and dumps to `output` (for the execution
  // window's list); the machine holds what it leaves (panelOf gives its CPU
  // panel).
  Simulator(Machine& machine, RunOutput& output, RunDialogs& dialogs);

  // The command "実行(&E)": one complete run.
  void run();

 private:
  void startRun();
  void prepareAddresses(int from, int to);
  // The passes of a run, up to its end.
  void runPasses();
  // One pass; false when the run ends within it.
  bool runPass(PassState& state, int highest);
  // The instruction of row `position` of the pass order, the word `word` at
  // PR, within a pass; `highest` is the highest address of the memory.
  template <std::size_t position>
  [[gnu::always_inline]] StepEnd carryOutAt(PassState& state, Word word, std::int64_t highest);
  // The instruction of row `position`, one of `positions`, as carryOutAt.
  template <std::size_t... positions>
  [[gnu::always_inline]] StepEnd carryOut(int position, PassState& state, Word word,
                                          std::int64_t highest, std::index_sequence<positions...>);
  // OUT, IN or DMP, which talk to the user, with PR and the next slot
  // handed to the machine for the time.
  StepEnd talkToUser(PassState& state, void (Simulator::*instruction)());
  // Hands PR and the next slot of a pass to the machine.
  void settle(const PassState& state);
  void finishRun();

  // The address error line of the instruction at PR; ends the run.
  void reportAddressError(std::int64_t eff);
  // The same within a pass, which hands its state to the machine first.
  StepEnd reportAddressError(const PassState& state, std::int64_t eff);

  // Records the step and moves PR on by `advance` words.
  void record(int advance);

  bool bufferAddresses(std::int64_t& buffer, std::int64_t& lengthAddress);
  void output();
  void input();
  void dump();

  Machine& m_;
  RunOutput& output_;
  RunDialogs& dialogs_;
  Cp932Encoder encoder_;
  // The line that OUT is making, kept from one line to the next.
  std::string lineBuffer_;
  bool running_ = false;
  // The DMP steps of the run so far, and whether the run has told of the
  // 999-step history limit.
  int dumpCount_ = 0;
  bool historyLimitNoticed_ = false;
};

}  // namespace casl2wb
