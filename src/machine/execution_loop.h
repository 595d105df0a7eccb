// One run of the translated program: the run start, the passes over the
// 43 instruction blocks, the history recorded after every instruction, and
// the end-of-run display.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/machine_state.h"
#include "machine/register_panel.h"
#include "machine/run_dialogs.h"
#include "source/cp932.h"
#include "source/message_list.h"
#include "source/source_table.h"

namespace casl2wb {

class ExecutionLoop {
 public:
  // The run writes into `list` (the execution window's list) and sets `panel`
  // (its CPU panel) at the end.
  ExecutionLoop(MachineState& machine, const SourceTable& table, MessageList& list,
                RunDialogs& dialogs, RegisterPanel& panel);

  // The command "実行(&E)": one complete run.
  void jikoum_Click();

 private:
  enum class BlockKind {
    Handler,
    Compare,
    Shift,
    Jump,
    Push,
    RPush,
    Pop,
    RPop,
    Call,
    Ret,
    Out,
    In,
    RecordOnly,
    Dmp
  };
  // What the address check does with the instruction's effective address.
  enum class Eff {
    None,     // the instruction has none: an error line shows 0000
    Shown,    // not checked, but shown by the error line (LAD, shifts, PUSH, SVC)
    Checked,  // must lie in the usable memory
  };
  struct Block {
    int opcode;  // first byte of the instruction word
    BlockKind kind;
    void (*handler)(MachineState&);
    int advance;
    Eff eff;
    bool writesMemory;  // the block may change a memory word
  };
  static const std::array<Block, 43> blocks;

  void startRun();
  void readRunParameters();
  void normaliseAddresses(int from, int to);
  std::int64_t startAddress() const;
  bool runPass();
  void runBlock(const Block& block);
  bool jumpTaken(const Block& block) const;
  void finishRun();

  // The address check made before a matching block runs; false ends the run.
  bool addressesInRange(const Block& block);
  void reportAddressError(std::int64_t eff);

  // Common steps after an instruction: history slot, PR advance, next step.
  void setInstructionDigits();
  void recordSlot();
  void record(int advance);

  void push();
  void rpush();
  void pop();
  void rpop();
  void call();
  void ret();
  bool readBufferAddresses(std::int64_t& buffer, std::int64_t& lengthAddress);
  void out();
  void in();
  void dmp();
  bool stackHasRoom(int words);

  MachineState& m_;
  const SourceTable& table_;
  MessageList& list_;
  RunDialogs& dialogs_;
  Cp932Encoder encoder_;
  RegisterPanel& panel_;
  bool running_ = false;
};

}  // namespace casl2wb
