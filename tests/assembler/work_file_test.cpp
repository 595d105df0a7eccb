// The editor text through the work file: what is written, read back and
// handed to the check.
#include "assembler/work_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/listing_text.h"
#include "base/source_file.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace casl2wb {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

class RecordingProgress : public WorkFileProgressSink {
 public:
  void report(WorkFileProgress progress) override { steps.push_back(progress); }
  std::vector<WorkFileProgress> steps;
};

class WorkFileTest : public ::testing::Test {
 protected:
  WorkFileResult passThrough(const std::string& editorText) {
    return passThroughWorkFile(editorText, dir.path().string(), progress);
  }

  // The folder holds no file before a pass and none after it.
  bool folderIsEmpty() const { return std::filesystem::is_empty(dir.path()); }

  TempDir dir;
  RecordingProgress progress;
};

TEST_F(WorkFileTest, ReportsEachStepInOrder) {
  const WorkFileResult result = passThrough("PRG START\n RET\n END");
  ASSERT_TRUE(result.ok) << result.error;
  using enum WorkFileProgress;
  EXPECT_EQ(progress.steps, std::vector<WorkFileProgress>({Writing, Idle, Reading, Idle}));
}

TEST_F(WorkFileTest, AddsOneLineEndWhenTheTextHasNone) {
  const WorkFileResult result = passThrough("PRG START\n RET\n END");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, "PRG START\r\n RET\r\n END\r\n");
  EXPECT_EQ(result.error, "");
  EXPECT_TRUE(folderIsEmpty());
}

TEST_F(WorkFileTest, AddsNoLineEndWhenTheTextEndsWithOne) {
  for (const std::string ending : {"\r\n", "\n", "\r"}) {
    const WorkFileResult result = passThrough("PRG START" + ending + " END" + ending);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.editorText, "PRG START\r\n END\r\n") << "ending " << ending.size();
  }
}

TEST_F(WorkFileTest, KeepsEmptyLinesInsideAndAtTheEnd) {
  const WorkFileResult result = passThrough("A\n\nB\n\n");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, "A\r\n\r\nB\r\n\r\n");
  EXPECT_EQ(result.lines, (std::vector<Text>{U"A", U"", U"B", U""}));
}

TEST_F(WorkFileTest, PassingTwiceDoesNotGrowTheText) {
  const WorkFileResult first = passThrough("PRG START\n RET\n END");
  ASSERT_TRUE(first.ok);
  const WorkFileResult second = passThrough(first.editorText);
  ASSERT_TRUE(second.ok);
  EXPECT_EQ(second.editorText, first.editorText);
  const WorkFileResult third = passThrough(second.editorText);
  ASSERT_TRUE(third.ok);
  EXPECT_EQ(third.editorText, first.editorText);
}

TEST_F(WorkFileTest, EmptyTextBecomesOneEmptyLine) {
  const WorkFileResult result = passThrough("");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, "\r\n");
  EXPECT_EQ(result.lines, std::vector<Text>{U""});
}

TEST_F(WorkFileTest, KeepsJapaneseText) {
  const std::string text =
      "PRG START ;\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 \xEF\xBD\xB4\xEF\xBE\x97-\r\n";
  const WorkFileResult result = passThrough(text);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, text);
}

TEST_F(WorkFileTest, InvalidUtf8InTheEditorTextBecomesReplacementCharacters) {
  const WorkFileResult result = passThrough(
      "A\xFF"
      "B");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText,
            "A\xEF\xBF\xBD"
            "B\r\n");
}

TEST_F(WorkFileTest, NeverWritesThroughWhatIsInTheFolder) {
  // Files and links at the names of older work files stay as they are.
  TempDir elsewhere;
  const std::string victim = elsewhere.file("victim.txt");
  writeBytes(victim, "mine");
  writeBytes(dir.file("workcsl.txt"), "old");
  ASSERT_EQ(symlink(victim.c_str(), dir.file("workcsl-link.txt").c_str()), 0);
  ASSERT_EQ(symlink(elsewhere.file("dangling").c_str(), dir.file("workcsl-gone.txt").c_str()), 0);
  for (int round = 0; round < 20; ++round) ASSERT_TRUE(passThrough(" END").ok);
  EXPECT_EQ(readBytes(victim), "mine");
  EXPECT_EQ(readBytes(dir.file("workcsl.txt")), "old");
  EXPECT_FALSE(std::filesystem::exists(elsewhere.file("dangling")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST_F(WorkFileTest, ConcurrentPassesInOneFolderEachReadTheirOwnText) {
  // Two programs of one user check at the same moment: neither may see the
  // other's text, not even a part of it.
  auto program = [](char label, int lines) {
    std::string text;
    for (int n = 0; n < lines; ++n)
      text += std::string(1, label) + " DC " + std::to_string(n) + "\n";
    return text;
  };
  const std::string first = program('A', 60000);
  const std::string second = program('B', 40000);
  for (int round = 0; round < 5; ++round) {
    WorkFileResult firstResult;
    WorkFileResult secondResult;
    std::thread other([&] {
      RecordingProgress otherProgress;
      secondResult = passThroughWorkFile(second, dir.path().string(), otherProgress);
    });
    firstResult = passThrough(first);
    other.join();
    ASSERT_TRUE(firstResult.ok) << firstResult.error;
    ASSERT_TRUE(secondResult.ok) << secondResult.error;
    EXPECT_EQ(firstResult.editorText, withCrLfLineEnds(first));
    EXPECT_EQ(secondResult.editorText, withCrLfLineEnds(second));
    EXPECT_EQ(firstResult.lines, splitSourceLines(fromUtf8(first)));
    EXPECT_EQ(secondResult.lines, splitSourceLines(fromUtf8(second)));
    EXPECT_NE(firstResult.workFile, secondResult.workFile);
  }
  EXPECT_TRUE(folderIsEmpty());
}

TEST_F(WorkFileTest, TheLinesReadBackAreTheProgramToCheck) {
  const WorkFileResult result = passThrough("PRG      START\r\n         RET\n         END");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.lines, (std::vector<Text>{U"PRG      START", U"         RET", U"         END"}));
  const AssembledProgram program = Assembler().assemble(result.lines);
  const SourceTable& table = program.source;
  EXPECT_EQ(table.line(1).field(Column::Label), U"PRG");
  EXPECT_EQ(table.line(1).field(Column::Operation), U"START");
  EXPECT_EQ(table.line(2).field(Column::Operation), U"RET");
  EXPECT_EQ(table.line(3).field(Column::Operation), U"END");
  EXPECT_EQ(program.errorCount, 0);
  ASSERT_GT(program.listing.size(), 3u);
  EXPECT_EQ(listingText(program.listing.at(3)), "機械語に変換する前のエラー個数は0個です。");
}

TEST_F(WorkFileTest, WriteErrorIsReportedAndNoLinesComeBack) {
  const std::string missingDir = dir.file("missing");
  const WorkFileResult result = passThroughWorkFile("PRG START\n", missingDir, progress);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No such file or directory");
  EXPECT_EQ(result.workFile, missingDir);
  EXPECT_EQ(result.editorText, "");
  EXPECT_EQ(progress.steps,
            std::vector<WorkFileProgress>({WorkFileProgress::Writing, WorkFileProgress::Idle}));
  EXPECT_TRUE(result.lines.empty());
}

TEST_F(WorkFileTest, AFullDiskIsReportedAndLeavesNoWorkFile) {
  testing::SmallFileSystem disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
  disk.fill();
  const WorkFileResult result =
      passThroughWorkFile(std::string(20000, 'A'), disk.path().string(), progress);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No space left on device");
  EXPECT_TRUE(result.lines.empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.path()), {}), 1);  // the filler
}

TEST_F(WorkFileTest, WhatAFileCouldHoldCanBePassedThrough) {
  // The limit counts characters, a CR LF as one: a file of the largest size
  // that can be loaded always fits, whatever its characters and line ends.
  EXPECT_EQ(editorTextLength("A\r\nテ\n\r"), 5u);
  std::string largest;
  for (std::size_t n = 0; n < maxSourceFileBytes / 2; ++n) largest += "\r\n";
  EXPECT_TRUE(editorTextFits(largest));
  const WorkFileResult fits = passThrough(std::string(maxSourceFileBytes - 2, 'A'));
  EXPECT_TRUE(fits.ok) << fits.error;
  ASSERT_EQ(fits.lines.size(), 1u);
  EXPECT_EQ(fits.lines[0].size(), maxSourceFileBytes - 2);
  EXPECT_TRUE(folderIsEmpty());
}

TEST_F(WorkFileTest, TooLongATextIsRefusedBeforeAnythingIsWritten) {
  const WorkFileResult result = passThrough(std::string(maxSourceFileBytes + 1, 'A'));
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.textTooLarge);
  EXPECT_EQ(result.error, "File too large");
  EXPECT_TRUE(progress.steps.empty());
  EXPECT_TRUE(result.lines.empty());
  EXPECT_TRUE(folderIsEmpty());
}

}  // namespace
}  // namespace casl2wb
