// LD, ST, LAD and the effective address, each in a run of a small program.
// Words that the assembler never writes (register digits 8 to F, index
// digits 8 to F) are written with DC.
#include <vector>

#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

TEST(LoadStore, EachInstructionLeavesRegistersFlagsAndMemory) {
  const std::vector<RunCase> cases = {
      // LD: SF from bit 15, ZF for zero, OF always cleared.
      {"LD of a negative word", " LD GR1,X", "X DC #8000", "GR1=8000 FR=010"},
      {"LD of zero", " LD GR2,=#8000\n LD GR1,X", "X DC 0", "GR1=0000 FR=001"},
      {"LD of a positive word", " LD GR1,X", "X DC #7FFF", "GR1=7FFF FR=000"},
      {"LD clears OF", " SUBA GR3,=#8000\n LD GR1,X", "X DC #FFFF", "GR1=FFFF FR=010"},
      {"LD of a blank word copies it and reads 0", " LD GR1,#00F0", "", "GR1=blank FR=001"},
      {"LD r1,r2", " LAD GR2,#8001\n LD GR1,GR2", "", "GR1=8001 GR2=8001 FR=010"},
      {"LD of a register into itself sets FR", " LD GR3,=#8000\n LD GR2,GR2", "",
       "GR2=0000 GR3=8000 FR=001"},
      {"LD with an index register", " LAD GR3,-1\n LD GR1,X,GR3", "W DC #42\nX DC #99",
       "GR1=0042 GR3=FFFF"},
      {"index digit 0 adds not even GR0", " LAD GR0,1\n LD GR1,W", "W DC #42\nX DC #99",
       "GR1=0042"},
      {"index digits 8 to F add nothing", " LAD GR7,1\n DC #102F\n DC W", "W DC #42\nX DC #99",
       "GR2=0042"},
      // ST: the register's word at eff, FR as it was.
      {"ST", " LAD GR0,#1234\n LD GR2,=#8000\n ST GR0,X", "X DS 1", "X=1234 GR0=1234 FR=010"},
      {"ST with an index register", " LAD GR7,#FFFE\n LAD GR2,1\n ST GR7,X,GR2", "X DS 2",
       "X=0000 X+1=FFFE"},
      {"ST of a blank register", " LD GR1,#00F0\n ST GR1,X", "X DC 5", "X=blank"},
      // LAD: adr plus the index modulo 65536, FR as it was, no memory read.
      {"LAD adds and leaves FR", " SUBA GR3,=#8000\n LAD GR1,#10\n LAD GR1,5,GR1", "",
       "GR1=0015 FR=110"},
      {"LAD wraps above FFFF", " LAD GR2,2\n LAD GR1,#FFFF,GR2", "", "GR1=0001"},
      {"LAD wraps below 0", " LAD GR2,#8000\n LAD GR1,#8000,GR2", "", "GR1=0000"},
      {"LAD to 8000", " LAD GR2,#7FFF\n LAD GR1,1,GR2", "", "GR1=8000"},
      {"LAD is not checked", " LAD GR1,#FFFF", "", "GR1=FFFF"},
      {"LAD copies its address word as it stands", " JUMP X", "X DC #1230", "GR3=blank PR=0005"},
      {"LAD with index digit 0 adds not GR0", " LAD GR0,#100\n LAD GR3,5", "", "GR3=0005"},
      {"LAD with index GR7", " LAD GR7,3\n LAD GR1,4,GR7", "", "GR1=0007"},
      // Register digits 8 to F name no register: nothing changes.
      {"LD r=8", " LAD GR1,#1234\n LD GR2,=#8000\n DC #1080\n DC X", "X DC 5",
       "GR1=1234 GR2=8000 FR=010 steps=3"},
      {"LD r1,r2 with r2=8", " LAD GR1,#1234\n LD GR2,=#8000\n DC #1418", "",
       "GR1=1234 GR2=8000 FR=010 steps=3"},
      {"ST r=F", " LAD GR1,#1234\n DC #11F0\n DC X", "X DC 5", "X=0005 steps=2"},
      {"LAD r=9", " LAD GR1,#1234\n DC #1290\n DC 7", "", "GR1=1234 steps=2"},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.what);
    expectState(FinishedRun(c.code, c.data), c.expected);
  }
}

TEST(LoadStore, TheIndexIsAddedWithItsSignAndNotReducedBeforeTheCheck) {
  // adr #8000 plus GR3 #FFFF is -32769, not 32767: the address check stops
  // the LD and shows eff as a word.
  const FinishedRun run(" LAD GR3,#FFFF\n LD GR1,#8000,GR3");
  EXPECT_EQ(run.runLines().size(), 1u);
  EXPECT_NE(run.runLines().at(0).find("実効ｱﾄﾞﾚｽは7FFFです"), std::string::npos);
  expectState(run, "GR1=0000 PR=0002");
}

}  // namespace
}  // namespace casl2wb::runtest
