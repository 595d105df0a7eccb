// Writing files through a temporary file beside them: what a save leaves
// behind when it works, when it fails, and when an earlier one was killed.
#include "base/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "base/file_paths.h"
#include "base/source_file.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::readBytes;
using testing::SmallFileSystem;
using testing::TempDir;
using testing::writeBytes;

std::vector<std::string> entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t modeOf(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(SaveTextFile, WritesCrLfWithOneFinalLineEnd) {
  TempDir dir;
  const std::string path = dir.file("a.txt");
  for (const auto& [text, saved] : std::vector<std::pair<std::string, std::string>>{
           {"A\nB", "A\r\nB\r\n"}, {"A\r\nB\n", "A\r\nB\r\n"}, {"", "\r\n"}}) {
    ASSERT_TRUE(saveTextFile(path, text).ok);
    EXPECT_EQ(readBytes(path), saved);
  }
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.txt"});
}

TEST(SaveTextFile, KeepsTheModeOfTheOldFileAndGivesNewFilesTheUsualOne) {
  TempDir dir;
  writeBytes(dir.file("old.txt"), "old");
  ASSERT_EQ(::chmod(dir.file("old.txt").c_str(), 0640), 0);
  ASSERT_TRUE(saveTextFile(dir.file("old.txt"), "new").ok);
  EXPECT_EQ(modeOf(dir.file("old.txt")), 0640u);

  const mode_t mask = ::umask(022);
  const bool saved = saveTextFile(dir.file("new.txt"), "new").ok;
  ::umask(mask);
  ASSERT_TRUE(saved);
  EXPECT_EQ(modeOf(dir.file("new.txt")), 0644u);
}

TEST(SaveTextFile, ReplacesTheTargetOfALink) {
  TempDir dir;
  writeBytes(dir.file("real.txt"), "old");
  ASSERT_EQ(::symlink(dir.file("real.txt").c_str(), dir.file("link.txt").c_str()), 0);
  ASSERT_TRUE(saveTextFile(dir.file("link.txt"), "new").ok);
  EXPECT_EQ(readBytes(dir.file("real.txt")), "new\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.txt")));
}

TEST(SaveTextFile, RefusesWhatIsNoRegularFileAndMissingFolders) {
  TempDir dir;
  struct Case {
    std::string path;
    std::string error;
  };
  for (const Case& c :
       {Case{dir.path().string(), "Is a directory"}, Case{dir.file("sub/"), "Is a directory"},
        Case{"/dev/null", "Not a regular file"},
        Case{dir.file("none/a.txt"), "No such file or directory"}}) {
    SCOPED_TRACE(c.path);
    const FileWriteResult result = saveTextFile(c.path, "x");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, c.error);
  }
  EXPECT_TRUE(entries(dir.path()).empty());
}

TEST(SaveTextFile, WriteFailureLeavesOldFileAndNoLeftovers) {
  TempDir dir;
  writeBytes(dir.file("a.txt"), "OLD");
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileWriteResult result = saveTextFile(dir.file("a.txt"), std::string(100, 'N'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "File too large");
  EXPECT_EQ(readBytes(dir.file("a.txt")), "OLD");
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.txt"});
}

TEST(SaveTextFile, ReadOnlyFileStaysProtected) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  TempDir dir;
  writeBytes(dir.file("a.txt"), "OLD");
  ASSERT_EQ(::chmod(dir.file("a.txt").c_str(), 0444), 0);
  const FileWriteResult result = saveTextFile(dir.file("a.txt"), "NEW");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Permission denied");
  EXPECT_EQ(readBytes(dir.file("a.txt")), "OLD");
}

TEST(SaveTextFile, AFullDiskLeavesTheOldFileWholeAndANewNameUnmade) {
  SmallFileSystem disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
  writeBytes(disk.file("keep.txt"), "PRG START\r\n RET\r\n END\r\n");
  disk.fill();
  const std::string big(20000, 'N');
  for (const char* name : {"keep.txt", "new.txt"}) {
    SCOPED_TRACE(name);
    const FileWriteResult result = saveTextFile(disk.file(name), big);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "No space left on device");
  }
  EXPECT_EQ(readBytes(disk.file("keep.txt")), "PRG START\r\n RET\r\n END\r\n");
  EXPECT_EQ(entries(disk.path()), (std::vector<std::string>{".filler", "keep.txt"}));
}

TEST(FileReplacement, TemporariesOfKilledSavesGoWithTheNextSaveOthersStay) {
  TempDir dir;
  // Left by a killed save: nobody holds its lock.
  writeBytes(dir.file(".a.txt.casl2wb-Ab12Cd"), "half");
  // Being written by a save that is still alive: locked.
  writeBytes(dir.file(".b.txt.casl2wb-Zz99Yy"), "busy");
  const int busy = ::open(dir.file(".b.txt.casl2wb-Zz99Yy").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);
  // Names that only look alike.
  writeBytes(dir.file(".c.txt.casl2wb-short"), "mine");
  writeBytes(dir.file("d.casl2wb-Ab12Cd"), "mine");
  ASSERT_TRUE(saveTextFile(dir.file("e.txt"), "E").ok);
  ::close(busy);
  EXPECT_EQ(entries(dir.path()),
            (std::vector<std::string>{".b.txt.casl2wb-Zz99Yy", ".c.txt.casl2wb-short",
                                      "d.casl2wb-Ab12Cd", "e.txt"}));
}

TEST(FileReplacement, NothingIsReplacedUntilTheCommit) {
  TempDir dir;
  writeBytes(dir.file("a.pdf"), "OLD");
  {
    FileReplacement file(dir.file("a.pdf"));
    ASSERT_TRUE(file.begin());
    ASSERT_TRUE(file.write("NEW"));
    EXPECT_EQ(readBytes(dir.file("a.pdf")), "OLD");
    EXPECT_EQ(readBytes(file.temporaryPath()), "NEW");
    EXPECT_TRUE(
        isReplacementTemporary(file.temporaryPath().substr(dir.path().string().size() + 1)));
  }  // abandoned: the temporary goes, the old file stays
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.pdf"});
  FileReplacement file(dir.file("a.pdf"));
  ASSERT_TRUE(file.begin() && file.write("NEW") && file.commit());
  EXPECT_EQ(readBytes(dir.file("a.pdf")), "NEW");
  EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.pdf"});
}

TEST(FilePaths, JoinAndFolder) {
  EXPECT_EQ(joinPath("/home/user", "a.txt"), "/home/user/a.txt");
  EXPECT_EQ(joinPath("/home/user/", "a.txt"), "/home/user/a.txt");
  EXPECT_EQ(joinPath("/", "a.txt"), "/a.txt");
  EXPECT_EQ(joinPath("/home", ""), "/home/");
  EXPECT_EQ(folderOf("/a/b/c.txt"), "/a/b");
  EXPECT_EQ(folderOf("/c.txt"), "/");
  EXPECT_EQ(folderOf("c.txt"), ".");
}

TEST(FilePaths, MadeFoldersAreOwnerOnly) {
  TempDir dir;
  const std::string inner = dir.file("one/two");
  EXPECT_EQ(makeOwnerOnlyFolder(inner), "");
  EXPECT_TRUE(std::filesystem::is_directory(inner));
  EXPECT_EQ(modeOf(inner), 0700u);
  EXPECT_EQ(makeOwnerOnlyFolder(inner), "");  // an existing folder is fine as it is
  writeBytes(dir.file("file"), "x");
  EXPECT_EQ(makeOwnerOnlyFolder(dir.file("file/sub")), "Not a directory");
}

}  // namespace
}  // namespace casl2wb
