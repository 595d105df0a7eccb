// Operation codes of the machine instructions, including this system's own
// codes 90 to 96 for the macro and dump instructions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "source/text.h"

namespace casl2wb {

// The two-digit code of a two-word form: searches opTable entries 1 to 29.
std::optional<std::string> twoWordOpCode(TextView mnemonic);
// The two-digit code of a one-word register form (rrOpTable).
std::optional<std::string> registerFormOpCode(TextView mnemonic);

// The mnemonic whose code is `code`: rrOpTable entries 1 to 13, then opTable
// entries 1 to 31, the last entry found; empty when none has it.
std::string mnemonicOfCode(std::string_view code);

}  // namespace casl2wb
