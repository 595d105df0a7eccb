// A check with its translation for each test: source lines in, memory
// image, message list and program-trace text out. The memory image carries
// over from one assembly of a test to the next, as it does in the windows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assembler/assembler.h"
#include "assembler/checker.h"
#include "assembler/listing_text.h"
#include "assembler/translator.h"
#include "base/text.h"

namespace casl2wb::translationtest {

class TranslationFixture : public ::testing::Test {
 protected:
  const std::vector<std::string>& assemble(const std::vector<std::string>& lines) {
    std::vector<Text> texts;
    for (const auto& line : lines) texts.push_back(fromUtf8(line));
    const MemoryImage before = program.image;
    program = assembler.assemble(texts, before);
    // The assembled program does not keep the size of the literal pool: the
    // same check and translation on the same image tell it.
    SourceTable source;
    MemoryImage image = before;
    image.resetForCheck();
    DiagnosticLog found;
    checkProgram(texts, source, found, carry_);
    translation = found.count() == 0 ? translate(source, image, found) : Translation{};
    messages = listingTexts(program.listing);
    return messages;
  }

  // "PRG START", the body, " RET", " END".
  const std::vector<std::string>& assembleBody(const std::vector<std::string>& body) {
    std::vector<std::string> lines{"PRG START"};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.push_back(" RET");
    lines.push_back(" END");
    return assemble(lines);
  }

  // Translates the checked program again, as it now stands in the table,
  // onto the image; its errors go into `log`.
  Translation translateAgain() { return translate(program.source, program.image, log); }

  SourceTable& table() { return program.source; }
  SourceLine& line(int n) { return program.source.line(n); }
  std::string address(int n) const { return toUtf8(program.source.line(n).address.text()); }
  std::string word(int address) const { return program.image[address].text(); }
  std::int32_t value(int address) const { return program.image[address].signedValue(); }
  std::vector<std::string> words(int from, int count) const {
    std::vector<std::string> result;
    for (int a = from; a < from + count; ++a) result.push_back(word(a));
    return result;
  }
  std::int64_t wordsInUse() const { return program.source.programEnd + translation.literalCount; }
  std::string traceText() const { return program.traceText.value_or(""); }

  Assembler assembler;
  AssembledProgram program;
  // The texts of its message list.
  std::vector<std::string> messages;
  // The translation of the last assembly (empty after a check with errors).
  Translation translation;
  DiagnosticLog log;

 private:
  CheckCarryOver carry_;
};

}  // namespace casl2wb::translationtest
