// The memory image of COMET II: one machine word per address, 0 to 3000.
//
// A cell holds a word text of four upper-case hex digits, the blank word
// "    " (a cell reset by a check), or nothing at all (a cell that nothing
// ever wrote, shown as the empty text). Cells are small values so that the
// whole image is cheap to copy.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace casl2wb {

class MemoryWord {
 public:
  enum class Kind : std::uint8_t { Empty, Blank, Hex };

  MemoryWord() = default;  // an empty cell
  static MemoryWord empty() { return MemoryWord(Kind::Empty, 0); }
  static MemoryWord blank() { return MemoryWord(Kind::Blank, 0); }
  static MemoryWord hex(std::uint16_t bits) { return MemoryWord(Kind::Hex, bits); }

  Kind kind() const { return kind_; }
  std::uint16_t bits() const { return bits_; }
  // "", "    " or the four hex digits.
  std::string text() const;
  // The signed 16-bit reading; empty and blank cells read as 0.
  std::int32_t signedValue() const {
    return kind_ == Kind::Hex ? static_cast<std::int16_t>(bits_) : 0;
  }

  bool operator==(const MemoryWord&) const = default;

 private:
  MemoryWord(Kind kind, std::uint16_t bits) : kind_(kind), bits_(bits) {}
  Kind kind_ = Kind::Empty;
  std::uint16_t bits_ = 0;
};

class MemoryImage {
 public:
  static constexpr int lastAddress = 3000;
  static constexpr int cellCount = lastAddress + 1;

  MemoryImage();

  // The reset every check performs: cells 1 through 512 become blank words
  // reading 0; cell 0 and cells 513 and above keep what they hold.
  void resetForCheck();

  // Stores a word as text and as its signed value; addresses outside the
  // image are never written and give false.
  bool write(std::int64_t address, MemoryWord word);

  std::array<MemoryWord, cellCount> memText;
  std::array<std::int32_t, cellCount> memValue;

  // What the translation hands to the execution side and the listings.
  static constexpr int addrTextEntries = 1014;        // addresses 0 to 1013
  std::array<std::string, addrTextEntries> addrText;  // empty until first written
  std::int64_t literalCount = 0;
  std::int64_t wordsInUse = 0;  // programEnd + literalCount
};

}  // namespace casl2wb
