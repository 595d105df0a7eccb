// Reading and writing source files.
#include "base/source_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

SourceReadResult readBack(const TempDir& dir, std::string_view bytes) {
  const std::string path = dir.file("program.txt");
  writeBytes(path, bytes);
  return readSourceFile(path);
}

TEST(ReadSourceFile, ReadsCp932LinesWithCrLf) {
  TempDir dir;
  const SourceReadResult result =
      readBack(dir, "PRG      START\r\n         RET    ;\x8A\xBF\x8E\x9A\r\n\xB4\xD7-\r\n");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(result.lines, std::vector<Text>({U"PRG      START", U"         RET    ;漢字", U"ｴﾗ-"}));
}

TEST(ReadSourceFile, ReadsUtf8WithByteOrderMark) {
  TempDir dir;
  const SourceReadResult result = readBack(dir, "\xEF\xBB\xBFPRG START\n ;\xE6\xBC\xA2\n");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.lines, std::vector<Text>({U"PRG START", U" ;漢"}));
}

TEST(ReadSourceFile, EmptyFileHasNoLines) {
  TempDir dir;
  const SourceReadResult result = readBack(dir, "");
  ASSERT_TRUE(result.ok);
  EXPECT_TRUE(result.lines.empty());
}

TEST(ReadSourceFile, LastLineWithoutLineEnd) {
  TempDir dir;
  const SourceReadResult result = readBack(dir, "A\r\n END");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.lines, std::vector<Text>({U"A", U" END"}));
}

TEST(ReadSourceFile, MixedLineEnds) {
  TempDir dir;
  const SourceReadResult result = readBack(dir, "A\rB\r\n\nC\n\rD");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.lines, std::vector<Text>({U"A", U"B", U"", U"C", U"", U"D"}));
}

TEST(ReadSourceFile, NulBytesAreCharacters) {
  TempDir dir;
  const SourceReadResult result = readBack(dir, std::string("A\0B\r\n\0", 6));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.lines, std::vector<Text>({Text(U"A\0B", 3), Text(1, U'\0')}));
}

TEST(ReadSourceFile, LineOfAlmostTheWholeLimit) {
  TempDir dir;
  const std::string longLine(maxSourceFileBytes - 3, 'A');
  const SourceReadResult result = readBack(dir, longLine + "\r\nB");
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.lines.size(), 2u);
  EXPECT_EQ(result.lines[0], Text(maxSourceFileBytes - 3, U'A'));
  EXPECT_EQ(result.lines[1], U"B");
}

TEST(ReadSourceFile, SixtyThousandLines) {
  TempDir dir;
  std::string bytes;
  for (int i = 1; i <= 60000; ++i) bytes += " DC " + std::to_string(i) + "\r\n";
  const SourceReadResult result = readBack(dir, bytes);
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.lines.size(), 60000u);
  EXPECT_EQ(result.lines.front(), U" DC 1");
  EXPECT_EQ(result.lines[49999], U" DC 50000");
  EXPECT_EQ(result.lines.back(), U" DC 60000");
}

TEST(ReadSourceFile, MissingFileIsAnError) {
  TempDir dir;
  const SourceReadResult result = readSourceFile(dir.file("missing.txt"));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No such file or directory");
  EXPECT_TRUE(result.lines.empty());
}

TEST(ReadSourceFile, DirectoryIsAnError) {
  TempDir dir;
  const SourceReadResult result = readSourceFile(dir.path().string());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Is a directory");
  EXPECT_EQ(result.problem, ReadProblem::Folder);
  EXPECT_TRUE(result.lines.empty());
}

TEST(ReadSourceFile, UnreadableFileIsAnError) {
  if (geteuid() == 0) GTEST_SKIP() << "file permissions do not stop the superuser from reading";
  TempDir dir;
  const std::string path = dir.file("secret.txt");
  writeBytes(path, "PRG START\r\n");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  const SourceReadResult result = readSourceFile(path);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Permission denied");
  EXPECT_TRUE(result.lines.empty());
}

TEST(ReadSourceFile, OnlyRegularFilesAreReadAndNothingWaits) {
  // A FIFO without a writer would block an ordinary open; devices never end.
  TempDir dir;
  const std::string fifo = dir.file("pipe.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
    SCOPED_TRACE(path);
    const SourceReadResult result = readSourceFile(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.problem, ReadProblem::NotRegularFile);
    EXPECT_EQ(result.error, "Not a regular file");
  }
}

TEST(ReadSourceFile, FileOfExactlyTheLimitIsRead) {
  TempDir dir;
  std::string bytes(maxSourceFileBytes, 'A');
  bytes[maxSourceFileBytes - 1] = '\n';
  const SourceReadResult result = readBack(dir, bytes);
  ASSERT_TRUE(result.ok) << result.error;
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_EQ(result.lines[0].size(), maxSourceFileBytes - 1);
}

TEST(ReadSourceFile, FileOverTheLimitIsAnError) {
  TempDir dir;
  const SourceReadResult result = readBack(dir, std::string(maxSourceFileBytes + 1, 'A'));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.problem, ReadProblem::TooLarge);
  EXPECT_EQ(result.error, "File too large");
  EXPECT_TRUE(result.lines.empty());
}

TEST(WriteTextFile, WritesEveryLineEndAsCrLf) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  const FileWriteResult result = writeTextFile(path, "A\nB\r\nC\rD");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.error, "");
  EXPECT_EQ(readBytes(path), "A\r\nB\r\nC\r\nD");
}

TEST(WriteTextFile, RunsOfLineEnds) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  ASSERT_TRUE(writeTextFile(path, "\r\r\n\n\n\r").ok);
  EXPECT_EQ(readBytes(path), "\r\n\r\n\r\n\r\n\r\n");
}

TEST(WriteTextFile, AddsNothingAndKeepsUtf8) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  ASSERT_TRUE(writeTextFile(path, "\xEF\xBD\xB4\xEF\xBE\x97- ;\xE6\xBC\xA2").ok);
  EXPECT_EQ(readBytes(path), "\xEF\xBD\xB4\xEF\xBE\x97- ;\xE6\xBC\xA2");
}

TEST(WriteTextFile, EmptyTextGivesEmptyFile) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  ASSERT_TRUE(writeTextFile(path, "").ok);
  EXPECT_EQ(readBytes(path), "");
}

TEST(WriteTextFile, ReplacesALongerFile) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  writeBytes(path, std::string(1000, 'x'));
  ASSERT_TRUE(writeTextFile(path, "END\n").ok);
  EXPECT_EQ(readBytes(path), "END\r\n");
}

TEST(WriteTextFile, MissingDirectoryIsAnError) {
  TempDir dir;
  const std::string path = dir.file("no-such-dir/out.txt");
  const FileWriteResult result = writeTextFile(path, "A\n");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(WriteTextFile, WhatIsWrittenReadsBackAsTheSameLines) {
  TempDir dir;
  const std::string path = dir.file("out.txt");
  ASSERT_TRUE(writeTextFile(path, "PRG START\n LD GR1,=' '\r ;\xE3\x83\x86\r\n").ok);
  const SourceReadResult result = readSourceFile(path);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.lines, std::vector<Text>({U"PRG START", U" LD GR1,=' '", U" ;テ"}));
}

}  // namespace
}  // namespace casl2wb
