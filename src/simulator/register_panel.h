// The values of the CPU panel of the execution window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "comet2/flags.h"
#include "comet2/memory_image.h"

namespace casl2wb {

struct RegisterPanel {
  std::string mnemonic;         // of the instruction word at PR
  std::string programRegister;  // PR in hex without leading zeros
  std::array<std::string, 8> registers;
  std::string stackPointer;
  std::string flags;
};

// PR in hexadecimal digits without leading zeros (A for 000A, 0 for 0).
std::string programRegisterText(std::int64_t pr);

// The mnemonic of the word at an address ("" for a word no instruction has,
// a blank or empty word, or an address outside the image).
std::string mnemonicAt(const MemoryImage& memory, std::int64_t address);

// The panel for the given PR, registers, FR and SP.
RegisterPanel panelOf(const MemoryImage& memory, std::int64_t pr,
                      const std::array<Word, 8>& registers, const Flags& flags, std::int64_t sp);

}  // namespace casl2wb
