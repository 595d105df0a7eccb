#include "assembler/line_operation.h"

#include <algorithm>

namespace casl2wb {

LineOperation lineOperationOf(TextView operation) {
  if (operation == U" ") return {OperationKind::Blank, {}};
  if (const InstructionForms forms = instructionForms(operation); forms.main != nullptr) {
    return {OperationKind::Instruction, forms};
  }
  const auto* pseudo =
      std::find_if(pseudoInstructions.begin(), pseudoInstructions.end(),
                   [&](const PseudoInstruction& row) { return row.mnemonic == operation; });
  return {pseudo != pseudoInstructions.end() ? pseudo->kind : OperationKind::Unknown, {}};
}

}  // namespace casl2wb
