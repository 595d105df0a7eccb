// The stream list gathers its lines and writes them in order, whole, when
// its buffer fills, on flush and when it ends.
#include "base/message_list.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace casl2wb {
namespace {

TEST(StreamMessageList, WritesEveryLineInOrderAcrossFullBuffers) {
  std::ostringstream out;
  std::string expected;
  {
    StreamMessageList list(out);
    // Lines of every length up to 300 bytes, 300 KB in all, and one line
    // longer than the buffer.
    for (int n = 0; n < 2000; ++n) {
      const std::size_t length = n == 1000 ? 70000 : static_cast<std::size_t>(n % 301);
      const std::string line(length, static_cast<char>('a' + n % 26));
      list.add(line);
      expected += line + '\n';
    }
    list.flush();
    EXPECT_EQ(out.str(), expected);
    list.add("last");
    EXPECT_EQ(out.str(), expected);  // still in the buffer
  }
  EXPECT_EQ(out.str(), expected + "last\n");
}

}  // namespace
}  // namespace casl2wb
