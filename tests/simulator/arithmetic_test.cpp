// ADDA, SUBA, ADDL and SUBL in both forms, each in a run: the result word
// and FR, OF from the true result (outside -32768 to 32767 for ADDA and
// SUBA, outside 0 to 65535 for ADDL and SUBL).
#include <string>
#include <vector>

#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

struct Case {
  const char* mnemonic;
  const char* a;  // GR1
  const char* b;  // GR2, or the word at B
  const char* result;
  const char* fr;
};

// The true result in the comment.
const std::vector<Case> cases = {
    {"ADDA", "7FFF", "0001", "8000", "110"},  // 32768
    {"ADDA", "8000", "0001", "8001", "010"},  // -32767
    {"ADDA", "8000", "FFFF", "7FFF", "100"},  // -32769
    {"ADDA", "8000", "8000", "0000", "101"},  // -65536
    {"ADDA", "7FFF", "7FFF", "FFFE", "110"},  // 65534
    {"ADDA", "FFFF", "0001", "0000", "001"},  // 0
    {"ADDA", "0001", "0002", "0003", "000"},  // 3
    {"ADDA", "7FFE", "0001", "7FFF", "000"},  // 32767, the largest without OF
    {"ADDA", "8001", "FFFF", "8000", "010"},  // -32768, the smallest without OF
    {"SUBA", "8000", "0001", "7FFF", "100"},  // -32769
    {"SUBA", "0005", "0005", "0000", "001"},  // 0
    {"SUBA", "7FFF", "FFFF", "8000", "110"},  // 32768
    {"SUBA", "8000", "7FFF", "0001", "100"},  // -65535
    {"SUBA", "0001", "0002", "FFFF", "010"},  // -1
    {"SUBA", "0000", "8000", "8000", "110"},  // 32768
    {"SUBA", "FFFF", "7FFF", "8000", "010"},  // -32768
    {"SUBA", "7FFE", "FFFF", "7FFF", "000"},  // 32767
    {"ADDL", "FFFF", "0001", "0000", "101"},  // 65536
    {"ADDL", "8000", "0001", "8001", "010"},  // 32769
    {"ADDL", "7FFF", "0001", "8000", "010"},  // 32768
    {"ADDL", "FFFF", "FFFF", "FFFE", "110"},  // 131070
    {"ADDL", "8000", "8000", "0000", "101"},  // 65536
    {"ADDL", "0000", "0000", "0000", "001"},  // 0
    {"ADDL", "FFFE", "0001", "FFFF", "010"},  // 65535, the largest without OF
    {"SUBL", "0000", "0001", "FFFF", "110"},  // -1
    {"SUBL", "8000", "0001", "7FFF", "000"},  // 32767
    {"SUBL", "0001", "FFFF", "0002", "100"},  // -65534
    {"SUBL", "FFFF", "0001", "FFFE", "010"},  // 65534
    {"SUBL", "FFFF", "FFFF", "0000", "001"},  // 0
    {"SUBL", "0001", "0001", "0000", "001"},  // 0, the smallest without OF
};

// FR is 110 before the instruction (SUBA GR3,=#8000: 0 - -32768), so every
// flag it leaves is its own.
TEST(Arithmetic, BothFormsGiveTheResultWordAndFlags) {
  for (const Case& c : cases) {
    const std::string data = std::string("A DC #") + c.a + "\nB DC #" + c.b;
    const std::string op = std::string(" SUBA GR3,=#8000\n ") + c.mnemonic;
    SCOPED_TRACE(data + "\n" + op);
    expectState(FinishedRun(" LD GR1,A\n LD GR2,B\n" + op + " GR1,GR2", data),
                std::string("GR1=") + c.result + " FR=" + c.fr + " GR2=" + c.b);
    expectState(FinishedRun(" LD GR1,A\n" + op + " GR1,B", data),
                std::string("GR1=") + c.result + " FR=" + c.fr + " B=" + c.b);
  }
}

TEST(Arithmetic, OperandsRegistersAndRepeatedSums) {
  const std::vector<RunCase> runs = {
      {"a second ADDA after an overflow has none",
       " LD GR1,=#7FFF\n LD GR2,=1\n ADDA GR1,GR2\n ADDA GR1,GR2", "", "GR1=8001 FR=010"},
      {"the operand is the word at adr plus the index", " LAD GR2,3\n LD GR1,=#10\n ADDA GR1,T,GR2",
       "T DC #100,0,0,5", "GR1=0015 GR2=0003"},
      {"a register subtracted from itself", " LD GR4,=#8000\n SUBA GR4,GR4", "", "GR4=0000 FR=001"},
      {"a register added to itself", " LD GR4,=#8000\n ADDL GR4,GR4", "", "GR4=0000 FR=101"},
      {"ADDL after LAD", " LAD GR1,#FFFF\n ADDL GR1,=1", "", "GR1=0000 FR=101"},
      {"ADDL after OR", " OR GR1,=#FFFF\n ADDL GR1,=1", "", "GR1=0000 FR=101"},
      {"a blank word is 0 to ADDA", " LD GR1,=#8000\n ADDA GR1,#00F0", "", "GR1=8000 FR=010"},
      {"a blank word is 0 to SUBA", " LD GR1,=#8000\n SUBA GR1,#00F0", "", "GR1=8000 FR=010"},
      {"a blank word is 0 to ADDL", " LD GR1,=#8000\n ADDL GR1,#00F0", "", "GR1=8000 FR=010"},
      {"a blank word is 0 to SUBL", " LD GR1,=#8000\n SUBL GR1,#00F0", "", "GR1=8000 FR=010"},
      {"ADDA with the index digit B adds no index", " LAD GR1,1\n LAD GR3,1\n DC #201B\n DC X",
       "X DC 2\n DC 7", "GR1=0003"},
      {"ADDA GR1,r2 with r2=8 changes nothing", " LAD GR1,1\n LD GR2,=#8000\n DC #2418", "",
       "GR1=0001 FR=010"},
      {"SUBL r1=F changes nothing", " LD GR2,=#8000\n DC #27F1", "", "GR2=8000 FR=010"},
      {"ADDA r=8 changes nothing", " LD GR2,=#8000\n DC #2080\n DC X", "X DC 1",
       "GR0=0000 FR=010 steps=2"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    expectState(FinishedRun(r.code, r.data), r.expected);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
