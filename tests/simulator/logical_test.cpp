// AND, OR, XOR and the comparisons CPA and CPL in both forms, each in a run.
#include <string>
#include <vector>

#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

// FR is 110 before the instruction (SUBA GR3,=#8000: 0 - -32768), so every
// flag it leaves is its own: OF always 0, SF bit 15, ZF a zero result.
struct BitCase {
  const char* mnemonic;
  const char* a;  // GR1
  const char* b;  // GR2, or the word at B
  const char* result;
  const char* fr;
};

TEST(Logical, BothFormsCombineBitByBit) {
  const std::vector<BitCase> cases = {
      {"AND", "F0F0", "0FF0", "00F0", "000"}, {"AND", "F0F0", "0000", "0000", "001"},
      {"AND", "FFFF", "8000", "8000", "010"}, {"AND", "FFFF", "FFFF", "FFFF", "010"},
      {"OR", "8000", "0001", "8001", "010"},  {"OR", "0000", "0001", "0001", "000"},
      {"OR", "5A5A", "5A5A", "5A5A", "000"},  {"OR", "0000", "0000", "0000", "001"},
      {"XOR", "1234", "1234", "0000", "001"}, {"XOR", "1234", "FFFF", "EDCB", "010"},
      {"XOR", "F0F0", "0FF0", "FF00", "010"}, {"XOR", "8001", "8000", "0001", "000"},
  };
  for (const BitCase& c : cases) {
    const std::string data = std::string("A DC #") + c.a + "\nB DC #" + c.b;
    const std::string op = std::string(" SUBA GR3,=#8000\n ") + c.mnemonic;
    SCOPED_TRACE(data + "\n" + op);
    expectState(FinishedRun(" LD GR1,A\n LD GR2,B\n" + op + " GR1,GR2", data),
                std::string("GR1=") + c.result + " FR=" + c.fr + " GR2=" + c.b);
    expectState(FinishedRun(" LD GR1,A\n" + op + " GR1,B", data),
                std::string("GR1=") + c.result + " FR=" + c.fr + " B=" + c.b);
  }
}

// FR after CPA (signed) and CPL (unsigned) of GR1 with the operand: 010
// less, 001 equal, 000 greater. Neither changes a register or the memory.
struct CompareCase {
  const char* a;
  const char* b;
  const char* cpa;
  const char* cpl;
};

TEST(Logical, CpaComparesSignedAndCplUnsignedInBothForms) {
  const std::vector<CompareCase> cases = {
      {"FFFF", "0001", "010", "000"},  // -1 < 1, 65535 > 1
      {"8000", "7FFF", "010", "000"},  // -32768 < 32767, 32768 > 32767
      {"0001", "FFFF", "000", "010"}, {"7FFF", "8000", "000", "010"},
      {"1234", "1234", "001", "001"}, {"0000", "0001", "010", "010"},
      {"0002", "0001", "000", "000"},
  };
  for (const CompareCase& c : cases) {
    const std::string data = std::string("A DC #") + c.a + "\nB DC #" + c.b;
    for (const char* mnemonic : {"CPA", "CPL"}) {
      const std::string fr = mnemonic == std::string("CPA") ? c.cpa : c.cpl;
      const std::string op = std::string(" SUBA GR3,=#8000\n ") + mnemonic;
      SCOPED_TRACE(data + "\n" + op);
      expectState(FinishedRun(" LD GR1,A\n LD GR2,B\n" + op + " GR1,GR2", data),
                  std::string("FR=") + fr + " GR1=" + c.a + " GR2=" + c.b);
      expectState(FinishedRun(" LD GR1,A\n" + op + " GR1,B", data),
                  std::string("FR=") + fr + " GR1=" + c.a + " B=" + c.b);
    }
  }
}

TEST(Logical, OperandsAndRegisters) {
  const std::vector<RunCase> runs = {
      {"AND reads the word at adr plus the index", " LAD GR2,4\n LD GR1,=#FF0F\n AND GR1,T,GR2",
       "T DC 0,0,0,0,#0FF0", "GR1=0F00 GR2=0004 T+4=0FF0"},
      {"OR of a register with itself", " LAD GR3,#A5A5\n OR GR3,GR3", "", "GR3=A5A5 FR=010"},
      {"XOR of a register with itself", " LAD GR3,#A5A5\n XOR GR3,GR3", "", "GR3=0000 FR=001"},
      {"a blank word is 0 to AND", " LAD GR1,#FFFF\n AND GR1,#00F0", "", "GR1=0000 FR=001"},
      {"a blank word is 0 to CPA", " CPA GR1,#00F0", "", "FR=001"},
      {"a blank word is 0 to CPL", " CPL GR1,#00F0", "", "FR=001"},
      {"CPA of a register with itself", " LD GR5,=#8000\n CPA GR5,GR5", "", "FR=001 GR5=8000"},
      {"CPL of a register with itself", " LD GR5,=#8000\n CPL GR5,GR5", "", "FR=001 GR5=8000"},
      {"AND GR1,r2 with r2=8 changes nothing", " LAD GR1,#FF\n LD GR2,=#8000\n DC #3418", "",
       "GR1=00FF FR=010"},
      {"OR r=8 changes nothing", " LD GR2,=#8000\n DC #3180\n DC X", "X DC 1", "GR0=0000 FR=010"},
      {"CPA GR1,r2 with r2=8 changes nothing", " LD GR2,=#8000\n DC #4418", "", "FR=010"},
      {"CPL r1=8 changes nothing", " LD GR2,=#8000\n DC #4581", "", "FR=010"},
  };
  for (const RunCase& r : runs) {
    SCOPED_TRACE(r.what);
    expectState(FinishedRun(r.code, r.data), r.expected);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
