// The editor's error check through the work file.
#include "source/work_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "codegen/memory_image.h"
#include "small_file_system.h"
#include "source/message_list.h"
#include "source/source_file.h"
#include "source/source_table.h"
#include "temp_dir.h"

namespace casl2wb {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

class RecordingCaption : public CaptionSink {
 public:
  void setCaption(const std::string& caption) override { captions.push_back(caption); }
  std::vector<std::string> captions;
};

// An item that a check would clear from the message list.
const std::string notChecked = "(not checked)";

class CheckEditorTextTest : public ::testing::Test {
 protected:
  CheckEditorTextTest() { messages.add(notChecked); }

  EditorCheckResult check(const std::string& editorText) {
    return checkEditorText(editorText, dir.path().string(), caption, checker);
  }

  bool wasChecked() const { return messages.items.empty() || messages.items.front() != notChecked; }

  // The folder holds no file before a check and none after it.
  bool folderIsEmpty() const { return std::filesystem::is_empty(dir.path()); }

  TempDir dir;
  RecordingCaption caption;
  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  SyntaxChecker checker{table, memory, messages};
};

TEST_F(CheckEditorTextTest, ShowsCaptionsInOrder) {
  const EditorCheckResult result = check("PRG START\n RET\n END");
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(caption.captions, std::vector<std::string>({"書き込み中・・・", "ファイル",
                                                        "読み込み中・・・", "ファイル"}));
}

TEST_F(CheckEditorTextTest, AddsOneLineEndWhenTheTextHasNone) {
  const EditorCheckResult result = check("PRG START\n RET\n END");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, "PRG START\r\n RET\r\n END\r\n");
  EXPECT_EQ(result.error, "");
  EXPECT_TRUE(folderIsEmpty());
}

TEST_F(CheckEditorTextTest, AddsNoLineEndWhenTheTextEndsWithOne) {
  for (const std::string ending : {"\r\n", "\n", "\r"}) {
    const EditorCheckResult result = check("PRG START" + ending + " END" + ending);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.editorText, "PRG START\r\n END\r\n") << "ending " << ending.size();
  }
}

TEST_F(CheckEditorTextTest, KeepsEmptyLinesInsideAndAtTheEnd) {
  const EditorCheckResult result = check("A\n\nB\n\n");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, "A\r\n\r\nB\r\n\r\n");
}

TEST_F(CheckEditorTextTest, CheckingTwiceDoesNotGrowTheText) {
  const EditorCheckResult first = check("PRG START\n RET\n END");
  ASSERT_TRUE(first.ok);
  const EditorCheckResult second = check(first.editorText);
  ASSERT_TRUE(second.ok);
  EXPECT_EQ(second.editorText, first.editorText);
  const EditorCheckResult third = check(second.editorText);
  ASSERT_TRUE(third.ok);
  EXPECT_EQ(third.editorText, first.editorText);
}

TEST_F(CheckEditorTextTest, EmptyTextBecomesOneEmptyLine) {
  const EditorCheckResult result = check("");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, "\r\n");
  EXPECT_TRUE(wasChecked());
}

TEST_F(CheckEditorTextTest, KeepsJapaneseText) {
  const std::string text =
      "PRG START ;\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 \xEF\xBD\xB4\xEF\xBE\x97-\r\n";
  const EditorCheckResult result = check(text);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText, text);
}

TEST_F(CheckEditorTextTest, InvalidUtf8InTheEditorTextBecomesReplacementCharacters) {
  const EditorCheckResult result = check(
      "A\xFF"
      "B");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.editorText,
            "A\xEF\xBF\xBD"
            "B\r\n");
}

TEST_F(CheckEditorTextTest, NeverWritesThroughWhatIsInTheFolder) {
  // Files and links at the names of older work files stay as they are.
  TempDir elsewhere;
  const std::string victim = elsewhere.file("victim.txt");
  writeBytes(victim, "mine");
  writeBytes(dir.file("workcsl.txt"), "old");
  ASSERT_EQ(symlink(victim.c_str(), dir.file("workcsl-link.txt").c_str()), 0);
  ASSERT_EQ(symlink(elsewhere.file("dangling").c_str(), dir.file("workcsl-gone.txt").c_str()), 0);
  for (int round = 0; round < 20; ++round) ASSERT_TRUE(check(" END").ok);
  EXPECT_EQ(readBytes(victim), "mine");
  EXPECT_EQ(readBytes(dir.file("workcsl.txt")), "old");
  EXPECT_FALSE(std::filesystem::exists(elsewhere.file("dangling")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST_F(CheckEditorTextTest, ConcurrentChecksInOneFolderEachReadTheirOwnText) {
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
    EditorCheckResult firstResult;
    EditorCheckResult secondResult;
    std::thread other([&] {
      RecordingCaption otherCaption;
      SourceTable otherTable;
      MemoryImage otherMemory;
      VectorMessageList otherMessages;
      SyntaxChecker otherChecker{otherTable, otherMemory, otherMessages};
      secondResult = checkEditorText(second, dir.path().string(), otherCaption, otherChecker);
    });
    firstResult = check(first);
    other.join();
    ASSERT_TRUE(firstResult.ok) << firstResult.error;
    ASSERT_TRUE(secondResult.ok) << secondResult.error;
    EXPECT_EQ(firstResult.editorText, withCrLfLineEnds(first));
    EXPECT_EQ(secondResult.editorText, withCrLfLineEnds(second));
    EXPECT_NE(firstResult.workFile, secondResult.workFile);
  }
  EXPECT_TRUE(folderIsEmpty());
}

TEST_F(CheckEditorTextTest, ChecksTheLinesThatWereReadBack) {
  const EditorCheckResult result = check("PRG      START\r\n         RET\n         END");
  ASSERT_TRUE(result.ok);
  ASSERT_TRUE(wasChecked());
  EXPECT_EQ(table.lineFields(1, colLabel), U"PRG");
  EXPECT_EQ(table.lineFields(1, colOperation), U"START");
  EXPECT_EQ(table.lineFields(2, colOperation), U"RET");
  EXPECT_EQ(table.lineFields(3, colOperation), U"END");
  EXPECT_EQ(checker.errorCount(), 0);
  ASSERT_FALSE(messages.items.empty());
  EXPECT_EQ(messages.items.back(), "機械語に変換する前のエラー個数は0個です。");
}

TEST_F(CheckEditorTextTest, WriteErrorIsReportedAndNothingIsChecked) {
  table.errorCount = 7;
  const std::string missingDir = dir.file("missing");
  const EditorCheckResult result = checkEditorText("PRG START\n", missingDir, caption, checker);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No such file or directory");
  EXPECT_EQ(result.workFile, missingDir);
  EXPECT_EQ(result.editorText, "");
  EXPECT_EQ(caption.captions, std::vector<std::string>({"書き込み中・・・", "ファイル"}));
  EXPECT_FALSE(wasChecked());
  EXPECT_EQ(table.errorCount, 7);
}

TEST_F(CheckEditorTextTest, AFullDiskIsReportedAndLeavesNoWorkFile) {
  testing::SmallFileSystem disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
  disk.fill();
  const EditorCheckResult result =
      checkEditorText(std::string(20000, 'A'), disk.path().string(), caption, checker);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No space left on device");
  EXPECT_FALSE(wasChecked());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.path()), {}), 1);  // the filler
}

TEST_F(CheckEditorTextTest, WhatAFileCouldHoldCanBeChecked) {
  // The limit counts characters, a CR LF as one: a file of the largest size
  // that can be loaded always fits, whatever its characters and line ends.
  EXPECT_EQ(editorTextLength("A\r\nテ\n\r"), 5u);
  std::string largest;
  for (std::size_t n = 0; n < maxSourceFileBytes / 2; ++n) largest += "\r\n";
  EXPECT_TRUE(editorTextFits(largest));
  const EditorCheckResult fits = check(std::string(maxSourceFileBytes - 2, 'A'));
  EXPECT_TRUE(fits.ok) << fits.error;
  EXPECT_TRUE(folderIsEmpty());
}

TEST_F(CheckEditorTextTest, TooLongATextIsRefusedBeforeAnythingIsWritten) {
  table.errorCount = 7;
  const EditorCheckResult result = check(std::string(maxSourceFileBytes + 1, 'A'));
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.textTooLarge);
  EXPECT_EQ(result.error, "File too large");
  EXPECT_TRUE(caption.captions.empty());
  EXPECT_FALSE(wasChecked());
  EXPECT_EQ(table.errorCount, 7);
  EXPECT_TRUE(folderIsEmpty());
}

}  // namespace
}  // namespace casl2wb
