// The check of a program followed, when it finds no errors, by its
// translation: what the editor's check command and the text front end run.
#pragma once

#include "codegen/memory_image.h"
#include "codegen/trace_text.h"
#include "codegen/translator.h"
#include "source/checker.h"
#include "source/message_list.h"
#include "source/source_table.h"

namespace casl2wb {

class Assembler {
 public:
  Assembler(SourceTable& table, MemoryImage& memory, MessageList& messages,
            TraceTextView& traceText)
      : checker(table, memory, messages), translator(table, memory, messages, traceText) {
    checker.translate = [this] { translator.translate(); };
  }
  Assembler(const Assembler&) = delete;
  Assembler& operator=(const Assembler&) = delete;

  SyntaxChecker checker;
  Translator translator;
};

}  // namespace casl2wb
