// Recovery files: what a session leaves when it ends well and when its
// program dies, and which sessions a start offers.
#include "base/recovery_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::TempDir;
using testing::writeBytes;

std::size_t fileCount(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

// A program that writes its text and then dies without ending its session.
void dieWithText(const std::string& folder, const RecoveredText& text) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::string error;
    auto session = RecoverySession::start(folder, error);
    const bool written = session && session->write(text).empty();
    ::_exit(written ? 0 : 1);  // no destructor runs: as if killed
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(RecoveryFileBytes, KeepTheTextAndAnyFileName) {
  const RecoveredText cases[] = {
      {"PRG START\n RET\n END\n", ""},
      {"", "/home/u/a.txt"},
      {"casl2wb recovery\nnot a header\n", "/tmp/odd\nname\x82\xa0.txt"},
  };
  for (const RecoveredText& recovered : cases) {
    const RecoveredText back = parseRecoveryFile(recoveryFileBytes(recovered));
    EXPECT_EQ(back.text, recovered.text);
    EXPECT_EQ(back.sourceFile, recovered.sourceFile);
  }
  // Bytes of no recovery file are a text of no file.
  const RecoveredText plain = parseRecoveryFile("LD GR1,A\n");
  EXPECT_EQ(plain.text, "LD GR1,A\n");
  EXPECT_EQ(plain.sourceFile, "");
}

TEST(RecoverySession, EndsWithoutLeavingAnythingAndIsNeverOfferedWhileAlive) {
  TempDir dir;
  const std::string folder = recoveryFolderOf(dir.path().string());
  std::string error;
  {
    auto session = RecoverySession::start(folder, error);
    ASSERT_NE(session, nullptr) << error;
    EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    EXPECT_EQ(session->write({"A\n", "/x.txt"}), "");
    EXPECT_EQ(session->write({"AB\n", "/x.txt"}), "");
    EXPECT_EQ(testing::readBytes(session->textPath()), recoveryFileBytes({"AB\n", "/x.txt"}));
    EXPECT_TRUE(claimOrphanedRecoveries(folder).empty());
    EXPECT_TRUE(std::filesystem::exists(session->textPath()));
    session->clear();
    EXPECT_FALSE(std::filesystem::exists(session->textPath()));
    EXPECT_EQ(session->write({"C\n", ""}), "");
  }
  EXPECT_EQ(fileCount(folder), 0u);
}

TEST(RecoverySession, TwoProgramsKeepSeparateFiles) {
  TempDir dir;
  std::string error;
  auto first = RecoverySession::start(dir.path().string(), error);
  auto second = RecoverySession::start(dir.path().string(), error);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->textPath(), second->textPath());
  EXPECT_NE(first->lockPath(), second->lockPath());
}

TEST(OrphanedRecovery, TheTextOfADeadProgramIsOfferedUntilDiscarded) {
  TempDir dir;
  const std::string folder = dir.path().string();
  dieWithText(folder, {"newer\n", "/home/u/b.txt"});
  dieWithText(folder, {"older\n", ""});
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (testing::readBytes(entry.path().string()).find("older") == std::string::npos) continue;
    std::filesystem::last_write_time(
        entry.path(), std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5));
  }
  {
    auto orphans = claimOrphanedRecoveries(folder);
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0]->recovered().text, "older\n");
    EXPECT_EQ(orphans[1]->recovered().text, "newer\n");
    EXPECT_EQ(orphans[1]->recovered().sourceFile, "/home/u/b.txt");
    EXPECT_LT(orphans[0]->savedAt(), orphans[1]->savedAt());
    // While one start holds them, another start offers neither.
    EXPECT_TRUE(claimOrphanedRecoveries(folder).empty());
    orphans[0]->discard();
  }
  // The one not discarded ("later") is offered again.
  auto again = claimOrphanedRecoveries(folder);
  ASSERT_EQ(again.size(), 1u);
  EXPECT_EQ(again[0]->recovered().text, "newer\n");
  again[0]->discard();
  EXPECT_EQ(fileCount(folder), 0u);
}

TEST(OrphanedRecovery, LockWithoutTextIsRemovedAndTextWithoutLockIsOffered) {
  TempDir dir;
  const std::string folder = dir.path().string();
  writeBytes(dir.file("session-aaaaaa.lock"), "");
  writeBytes(dir.file("session-bbbbbb.txt"), recoveryFileBytes({"kept\n", ""}));
  writeBytes(dir.file("unrelated.txt"), "x");
  auto orphans = claimOrphanedRecoveries(folder);
  ASSERT_EQ(orphans.size(), 1u);
  EXPECT_EQ(orphans[0]->recovered().text, "kept\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("session-aaaaaa.lock")));
  EXPECT_TRUE(std::filesystem::exists(dir.file("unrelated.txt")));
}

}  // namespace
}  // namespace casl2wb
