// The memory image of COMET II: one word per address, 0 to 3000, and the
// address texts that the memory dumps show beside the words.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "comet2/word.h"

namespace casl2wb {

// The memory a run may use: 256 words, or 512 with the run parameter MEX.
inline constexpr int standardMemoryWords = 256;
inline constexpr int extendedMemoryWords = 512;
inline constexpr int usableMemoryWords(bool extended) {
  return extended ? extendedMemoryWords : standardMemoryWords;
}

class MemoryImage {
 public:
  static constexpr int lastAddress = 3000;
  static constexpr int cellCount = lastAddress + 1;
  // The address texts of the dumps: addresses 0 to 1013.
  static constexpr int addressTextCount = 1014;

  MemoryImage() = default;  // every cell empty, every address text empty

  static constexpr bool contains(std::int64_t address) {
    return address >= 0 && address <= lastAddress;
  }
  // The word at an address inside the image.
  Word& operator[](std::int64_t address) { return cells_[static_cast<std::size_t>(address)]; }
  const Word& operator[](std::int64_t address) const {
    return cells_[static_cast<std::size_t>(address)];
  }
  // All cells, address 0 first.
  std::span<const Word> cells() const { return cells_; }
  // The word at an address, or an empty word outside the image.
  Word at(std::int64_t address) const { return contains(address) ? (*this)[address] : Word(); }

  // The reset of every check: cells 1 through the top of the extended
  // memory (512) become blank; cell 0 and
  // cells 513 and above keep what they hold.
  void resetForCheck();

  // The texts a dump shows as the addresses of its cells. They are written
  // by the translation (1 to the last word in use) and by the start of every
  // run (0 to 256, or 512), and otherwise keep what an earlier translation or
  // run left: a dump of a shorter program shows those older texts, or none.
  // So they are kept as texts rather than made from the address.
  std::array<std::string, addressTextCount> addressTexts;

 private:
  std::array<Word, cellCount> cells_{};
};

}  // namespace casl2wb
