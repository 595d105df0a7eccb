// A fresh check with its translation for each test: source lines in, memory
// image, message list and program-trace text out.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/memory_image.h"
#include "codegen/trace_text.h"
#include "codegen/translator.h"
#include "source/checker.h"
#include "source/message_list.h"
#include "source/source_table.h"

namespace casl2wb::translationtest {

class TranslationFixture : public ::testing::Test {
 protected:
  TranslationFixture() {
    checker.translate = [this] { translator.translate(); };
  }

  const std::vector<std::string>& assemble(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    for (const auto& line : lines) texts.push_back(fromUtf8(line));
    checker.checkLines(texts);
    return messages.items;
  }

  // "PRG START", the body, " RET", " END".
  const std::vector<std::string>& assembleBody(const std::vector<std::string>& body) {
    std::vector<std::string> lines{"PRG START"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back(" RET");
    lines.push_back(" END");
    return assemble(lines);
  }

  std::string word(int address) const { return memory.memText.at(address).text(); }
  std::vector<std::string> words(int from, int count) const {
    std::vector<std::string> result;
    for (int a = from; a < from + count; ++a) result.push_back(word(a));
    return result;
  }

  SourceTable table;
  MemoryImage memory;
  VectorMessageList messages;
  StringTraceText trace;
  SyntaxChecker checker{table, memory, messages};
  Translator translator{table, memory, messages, trace};
};

}  // namespace casl2wb::translationtest
