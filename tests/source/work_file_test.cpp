// The editor's error check through the work file.
#include "source/work_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "codegen/memory_image.h"
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
    return checkEditorText(editorText, workPath, caption, checker);
  }

  bool wasChecked() const { return messages.items.empty() || messages.items.front() != notChecked; }

  TempDir dir;
  std::string workPath = dir.file("workcsl.txt");
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
  EXPECT_EQ(readBytes(workPath), "PRG START\r\n RET\r\n END\r\n");
  EXPECT_EQ(result.editorText, "PRG START\r\n RET\r\n END\r\n");
  EXPECT_EQ(result.error, "");
}

TEST_F(CheckEditorTextTest, AddsNoLineEndWhenTheTextEndsWithOne) {
  for (const std::string ending : {"\r\n", "\n", "\r"}) {
    const EditorCheckResult result = check("PRG START" + ending + " END" + ending);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(readBytes(workPath), "PRG START\r\n END\r\n") << "ending " << ending.size();
    EXPECT_EQ(result.editorText, "PRG START\r\n END\r\n");
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
  EXPECT_EQ(readBytes(workPath), "\r\n");
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

TEST_F(CheckEditorTextTest, ReplacesTheWorkFile) {
  writeBytes(workPath, std::string(5000, 'x') + "\r\n");
  const EditorCheckResult result = check(" END");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(readBytes(workPath), " END\r\n");
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
  const std::string missingDir = dir.file("missing/workcsl.txt");
  const EditorCheckResult result = checkEditorText("PRG START\n", missingDir, caption, checker);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "No such file or directory");
  EXPECT_EQ(result.editorText, "");
  EXPECT_EQ(caption.captions, std::vector<std::string>({"書き込み中・・・", "ファイル"}));
  EXPECT_FALSE(wasChecked());
  EXPECT_EQ(table.errorCount, 7);
}

TEST_F(CheckEditorTextTest, ReadErrorIsReportedAndNothingIsChecked) {
  // The text is written completely but is too large to be read back.
  table.errorCount = 7;
  const EditorCheckResult result = check(std::string(maxSourceFileBytes, 'A'));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "File too large");
  EXPECT_EQ(result.editorText, "");
  EXPECT_EQ(caption.captions, std::vector<std::string>({"書き込み中・・・", "ファイル",
                                                        "読み込み中・・・", "ファイル"}));
  EXPECT_FALSE(wasChecked());
  EXPECT_EQ(table.errorCount, 7);
}

TEST_F(CheckEditorTextTest, UnreadableWorkFileIsReportedAndNothingIsChecked) {
  if (geteuid() == 0) GTEST_SKIP() << "file permissions do not stop the superuser from reading";
  writeBytes(workPath, "");
  ASSERT_EQ(chmod(workPath.c_str(), S_IWUSR), 0);
  const EditorCheckResult result = check("PRG START\n");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Permission denied");
  EXPECT_FALSE(wasChecked());
}

}  // namespace
}  // namespace casl2wb
