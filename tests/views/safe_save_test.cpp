// Saving over a file through a new file beside it, and the paths and folders
// of the files the windows write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "editor_fixture.h"
#include "views/file_paths.h"
#include "views/safe_save.h"

namespace casl2wb::testing {
namespace {

class SafeSaveTest : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
  QStringList entries() const {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QTemporaryDir folder;
};

TEST_F(SafeSaveTest, WritesCrLfWithOneFinalLineEnd) {
  ASSERT_TRUE(saveTextFile(path("a.txt"), "A\nB").ok);
  EXPECT_EQ(readFile(folder.filePath("a.txt")), QStringLiteral("A\r\nB\r\n"));
  ASSERT_TRUE(saveTextFile(path("a.txt"), "A\r\nB\n").ok);
  EXPECT_EQ(readFile(folder.filePath("a.txt")), QStringLiteral("A\r\nB\r\n"));
  ASSERT_TRUE(saveTextFile(path("a.txt"), "").ok);
  EXPECT_EQ(readFile(folder.filePath("a.txt")), QStringLiteral("\r\n"));
  EXPECT_EQ(entries(), QStringList({"a.txt"}));
}

TEST_F(SafeSaveTest, KeepsTheModeOfTheOldFile) {
  ASSERT_TRUE(writeFile(folder.filePath("a.txt"), "old"));
  ASSERT_EQ(::chmod(path("a.txt").c_str(), 0640), 0);
  ASSERT_TRUE(saveTextFile(path("a.txt"), "new").ok);
  struct stat status {};
  ASSERT_EQ(::stat(path("a.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(SafeSaveTest, NewFileGetsTheUsualMode) {
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(saveTextFile(path("a.txt"), "new").ok);
  ::umask(mask);
  struct stat status {};
  ASSERT_EQ(::stat(path("a.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0644u);
}

TEST_F(SafeSaveTest, ReplacesTheTargetOfALink) {
  ASSERT_TRUE(writeFile(folder.filePath("real.txt"), "old"));
  ASSERT_EQ(::symlink(path("real.txt").c_str(), path("link.txt").c_str()), 0);
  ASSERT_TRUE(saveTextFile(path("link.txt"), "new").ok);
  EXPECT_EQ(readFile(folder.filePath("real.txt")), QStringLiteral("new\r\n"));
  struct stat status {};
  ASSERT_EQ(::lstat(path("link.txt").c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
}

TEST_F(SafeSaveTest, FolderCannotBeSavedOver) {
  const FileWriteResult result = saveTextFile(folder.path().toStdString(), "x");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Is a directory");
}

TEST_F(SafeSaveTest, MissingFolderIsReported) {
  const FileWriteResult result = saveTextFile(path("none/a.txt"), "x");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No such file or directory");
  EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SafeSaveTest, WriteFailureLeavesOldFileAndNoLeftovers) {
  ASSERT_TRUE(writeFile(folder.filePath("a.txt"), "OLD"));
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileWriteResult result = saveTextFile(path("a.txt"), std::string(100, 'N'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "File too large");
  EXPECT_EQ(readFile(folder.filePath("a.txt")), QStringLiteral("OLD"));
  EXPECT_EQ(entries(), QStringList({"a.txt"}));
}

TEST_F(SafeSaveTest, ReadOnlyFileStaysProtected) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  ASSERT_TRUE(writeFile(folder.filePath("a.txt"), "OLD"));
  ASSERT_EQ(::chmod(path("a.txt").c_str(), 0444), 0);
  const FileWriteResult result = saveTextFile(path("a.txt"), "NEW");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Permission denied");
  EXPECT_EQ(readFile(folder.filePath("a.txt")), QStringLiteral("OLD"));
}

TEST(FilePaths, JoinAddsOneSlash) {
  EXPECT_EQ(joinPath("/home/user", "a.txt"), "/home/user/a.txt");
  EXPECT_EQ(joinPath("/home/user/", "a.txt"), "/home/user/a.txt");
  EXPECT_EQ(joinPath("/", "a.txt"), "/a.txt");
  EXPECT_EQ(joinPath("/home", ""), "/home/");
}

TEST(FilePaths, FolderOf) {
  EXPECT_EQ(folderOf("/a/b/c.txt"), "/a/b");
  EXPECT_EQ(folderOf("/c.txt"), "/");
  EXPECT_EQ(folderOf("c.txt"), ".");
}

TEST(FilePaths, MadeFoldersAreOwnerOnly) {
  QTemporaryDir folder;
  const std::string inner = folder.filePath("one/two").toStdString();
  EXPECT_EQ(makeOwnerOnlyFolder(inner), "");
  struct stat status {};
  ASSERT_EQ(::stat(inner.c_str(), &status), 0);
  EXPECT_TRUE(S_ISDIR(status.st_mode));
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  // An existing folder is fine as it is.
  EXPECT_EQ(makeOwnerOnlyFolder(inner), "");
  EXPECT_EQ(makeOwnerOnlyFolder(folder.path().toStdString()), "");
}

TEST(FilePaths, FileInTheWayOfAFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(writeFile(folder.filePath("file"), "x"));
  EXPECT_EQ(makeOwnerOnlyFolder(folder.filePath("file/sub").toStdString()), "Not a directory");
}

}  // namespace
}  // namespace casl2wb::testing
