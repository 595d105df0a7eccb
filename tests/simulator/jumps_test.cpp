// The jumps against every state of FR, each in a run: the jump is followed
// by LAD GR7,1 and its target is LAD GR7,2, so GR7 tells where it went.
#include <string>
#include <vector>

#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

// Every state of FR that an instruction can leave, and instructions that
// leave it. SF and ZF are never set together: both come from one word (bit
// 15, and the word being zero) or from one comparison (less, and equal), so
// 011 and 111 never occur.
struct FlagState {
  const char* fr;
  const char* setter;
};
const std::vector<FlagState> flagStates = {
    {"000", " LD GR1,=1"},
    {"001", " LD GR1,=0"},
    {"010", " LD GR1,=#8000"},
    {"100", " LD GR1,=#8000\n ADDA GR1,=-1"},     // -32769
    {"101", " LD GR1,=#8000\n ADDA GR1,=#8000"},  // -65536
    {"110", " SUBL GR1,=1"},                      // 0 - 1
};

// Whether each jump is taken in each state, in the order of flagStates:
// JMI when SF is 1, JPL when SF and ZF are 0, JNZ when ZF is 0, JZE when ZF
// is 1, JOV when OF is 1, JUMP always.
struct Jump {
  const char* mnemonic;
  const char* taken;  // '1' taken: 000 001 010 100 101 110
};
const std::vector<Jump> jumps = {
    {"JMI", "001001"}, {"JPL", "100100"}, {"JNZ", "101101"},
    {"JZE", "010010"}, {"JOV", "000111"}, {"JUMP", "111111"},
};

TEST(Jumps, EveryJumpInEveryStateOfTheFlags) {
  for (const Jump& jump : jumps) {
    for (std::size_t s = 0; s < flagStates.size(); ++s) {
      const FlagState& state = flagStates[s];
      SCOPED_TRACE(std::string(jump.mnemonic) + " with FR " + state.fr);
      const FinishedRun run(std::string(state.setter) + "\n " + jump.mnemonic +
                            " T\n LAD GR7,1\n RET\nT LAD GR7,2");
      // The jump and LAD leave FR as the setter left it.
      EXPECT_EQ(run["FR"], state.fr);
      EXPECT_EQ(run["GR7"], jump.taken[s] == '1' ? "0002" : "0001");
    }
  }
}

TEST(Jumps, ATakenJumpGoesToAdrPlusTheIndexRegister) {
  // T+2 is the second LAD; index digit 0 adds nothing, even with GR0 set.
  expectState(FinishedRun(" LAD GR2,2\n JUMP T,GR2\nT LAD GR7,1\n LAD GR7,2"), "GR7=0002");
  expectState(FinishedRun(" LAD GR0,2\n JUMP T\nT LAD GR7,1"), "GR7=0001");
  expectState(FinishedRun(" LD GR1,=0\n LAD GR2,2\n JZE T,GR2\nT LAD GR7,1\n LAD GR7,2"),
              "GR7=0002");
}

}  // namespace
}  // namespace casl2wb::runtest
