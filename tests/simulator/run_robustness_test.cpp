// Hostile memory contents: random words run to a small pass limit never
// crash, never hang and keep the state inside its bounds.
#include <random>

#include "run_fixture.h"

namespace casl2wb::runtest {
namespace {

class RunRobustness : public RunFixture {};

TEST_F(RunRobustness, RandomMemoryRunsEndWithinThePassLimit) {
  std::mt19937 random(2026);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    load({round % 2 == 0 ? "PRG START ;LMT00300" : "PRG START ;LMT00300MEX", " RET", " END"});
    const int top = round % 2 == 0 ? 256 : 512;
    for (int a = 0; a < top; ++a) {
      // Mostly real operation codes, so that many instructions get to run.
      static constexpr std::uint16_t codes[] = {
          0x10, 0x11, 0x12, 0x14, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x30, 0x31, 0x32,
          0x34, 0x35, 0x36, 0x40, 0x41, 0x44, 0x45, 0x50, 0x51, 0x52, 0x53, 0x61, 0x62, 0x63, 0x64,
          0x65, 0x66, 0x70, 0x71, 0x80, 0x81, 0x90, 0x91, 0x93, 0x95, 0x96, 0x00, 0xF0};
      const std::uint16_t low = static_cast<std::uint16_t>(random() & 0xFF);
      const std::uint16_t word = random() % 3 == 0
                                     ? static_cast<std::uint16_t>(random())
                                     : static_cast<std::uint16_t>(codes[random() % 43] << 8 | low);
      program.image[a] = Word(word);
    }
    program.outputSize = static_cast<std::int16_t>(random() % 4000 - 100);
    machine.load(program);
    dialogs.answers = {std::string(random() % 100, 'Q'), "-1", "", "ｱ"};
    list.clear();
    run();
    EXPECT_LE(machine.outcome().passCount, 301);
    EXPECT_GE(machine.record().recordedSteps(), 0);
    EXPECT_LE(machine.record().recordedSteps(), 1042);
    EXPECT_FALSE(list.items.empty());
    EXPECT_EQ(machine.cpu().flags.text().size(), 3u);
  }
}

}  // namespace
}  // namespace casl2wb::runtest
