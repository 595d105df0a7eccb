// The help's sections of the instructions. The mnemonics, their operand
// forms, codes and lengths come from the instruction table; what each
// mnemonic does and which flags it sets is said in Japanese by a table of
// explanations keyed by mnemonic. The pseudo-instructions, which the
// instruction table does not hold, have a table of their own.
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

namespace casl2wb {

// What the help says of one mnemonic of the instruction table.
struct InstructionExplanation {
  std::string_view mnemonic;
  const char* name;    // the Japanese name of the instruction
  const char* action;  // what it does (HTML)
  const char* flags;   // how it sets OF, SF and ZF (HTML); nullptr: it leaves FR alone
};

// What the help says of one pseudo-instruction.
struct PseudoInstructionExplanation {
  std::string_view mnemonic;
  const char* name;
  const char* forms;   // how it is written (HTML)
  const char* action;  // what it does (HTML)
};

std::span<const InstructionExplanation> instructionExplanations();
std::span<const PseudoInstructionExplanation> pseudoInstructionExplanations();

// The mnemonics of the instruction table, each once, in the table's order:
// the machine instructions, and the workbench's own (codes 90 to 96).
QStringList machineInstructionMnemonics();
QStringList ownInstructionMnemonics();

// The sections, each opened by a heading that holds the anchor named by its
// mnemonic.
QString machineInstructionSectionsHtml();
QString ownInstructionSectionsHtml();
QString pseudoInstructionSectionsHtml();

// Whether the help has a section of this mnemonic (exact, upper case): an
// instruction of the table or a pseudo-instruction.
bool hasHelpSection(const QString& mnemonic);

}  // namespace casl2wb
