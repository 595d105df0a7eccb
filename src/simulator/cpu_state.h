// The simulated COMET II itself: the memory image, the general registers,
// FR, PR, SP and whether the extended memory is in use. A run changes it;
// what it shows after a run is the state the run left.
#pragma once

#include <array>
#include <cstdint>

#include "comet2/flags.h"
#include "comet2/memory_image.h"
#include "comet2/word.h"

namespace casl2wb {

// The eight general registers, each a word.
using Registers = std::array<Word, 8>;

// All general registers 0000: how a machine and every run start.
inline constexpr Registers zeroRegisters = {Word(0), Word(0), Word(0), Word(0),
                                            Word(0), Word(0), Word(0), Word(0)};

struct CpuState {
  MemoryImage memory;
  Registers registers = zeroRegisters;
  Flags flags;
  std::int64_t pr = 0;
  std::int64_t sp = standardMemoryWords;
  bool extendedMemory = false;

  // The first address above the usable memory, and the one below it.
  int memoryTop() const { return usableMemoryWords(extendedMemory); }
  int highestAddress() const { return memoryTop() - 1; }
};

}  // namespace casl2wb
