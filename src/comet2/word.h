// A machine word as a memory cell or a register holds it: a 16-bit value,
// or one of the two states of a cell that holds no value. A cell a check
// cleared is blank and shows as four blanks; a cell nothing ever wrote is
// empty and shows as nothing. Both read as 0. Registers hold words too: a
// load copies a blank or empty cell as it is.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace casl2wb {

// The four upper-case hex digits of a 16-bit value.
std::string hexText(std::uint16_t value);

class Word {
 public:
  enum class State : std::uint8_t { Empty, Blank, Value };

  constexpr Word() = default;  // empty
  constexpr explicit Word(std::uint16_t value) : packed_(valueMark | value) {}
  static constexpr Word empty() { return Word(); }
  static constexpr Word blank() {
    Word word;
    word.packed_ = blankMark;
    return word;
  }
  // The word of a number modulo 65536 (-1 gives FFFF, 65536 gives 0000).
  static constexpr Word of(std::int64_t n) { return Word(static_cast<std::uint16_t>(n)); }

  constexpr State state() const {
    return hasValue() ? State::Value : isBlank() ? State::Blank : State::Empty;
  }
  constexpr bool hasValue() const { return (packed_ & valueMark) != 0; }
  constexpr bool isBlank() const { return packed_ == blankMark; }
  constexpr bool isEmpty() const { return packed_ == 0; }
  // The 16 bits; 0 for a blank or empty word.
  constexpr std::uint16_t bits() const { return static_cast<std::uint16_t>(packed_); }
  // The two's-complement reading (-32768 to 32767) and the unsigned one.
  constexpr std::int32_t signedValue() const { return static_cast<std::int16_t>(bits()); }
  constexpr std::int32_t unsignedValue() const { return bits(); }
  // The fields of an instruction word: the operation code (first byte), the
  // register r (third hex digit) and the index or second register x (fourth).
  constexpr int code() const { return bits() >> 8; }
  constexpr int r() const { return (bits() >> 4) & 0xF; }
  constexpr int x() const { return bits() & 0xF; }
  // The operation code with the state above it, below `codeKeyCount`: a
  // word with a value gives `valueCodeKey` plus its code; blank and empty
  // words give keys below that. One table lookup tells both apart.
  static constexpr std::uint32_t valueCodeKey = 0x200;
  static constexpr std::uint32_t codeKeyCount = 0x300;
  constexpr std::uint32_t codeKey() const { return packed_ >> 8; }

  // "", "    " or the four hex digits.
  std::string text() const;

  constexpr bool operator==(const Word&) const = default;

 private:
  // The state in the bits above the value, so that a word is one number and
  // is written and read in one piece.
  static constexpr std::uint32_t valueMark = 0x20000;
  static constexpr std::uint32_t blankMark = 0x10000;
  std::uint32_t packed_ = 0;
};

// Writes the word's text ("", "    " or four hex digits) at `out` and
// returns the end of what it wrote: the dumps of a long run write millions.
inline char* writeWordText(char* out, Word word) {
  if (!word.hasValue()) {
    if (!word.isBlank()) return out;
    for (int k = 0; k < 4; ++k) *out++ = ' ';
    return out;
  }
  // The two digits of each byte value, so that a word takes two look-ups.
  static constexpr auto digitPairs = [] {
    constexpr char digits[] = "0123456789ABCDEF";
    std::array<char, 512> pairs{};
    for (std::size_t b = 0; b < 256; ++b) {
      pairs[2 * b] = digits[b >> 4];
      pairs[2 * b + 1] = digits[b & 0xF];
    }
    return pairs;
  }();
  const unsigned value = word.bits();
  std::memcpy(out, &digitPairs[2 * (value >> 8)], 2);
  std::memcpy(out + 2, &digitPairs[2 * (value & 0xFF)], 2);
  return out + 4;
}

// Appends the word's text to a line.
inline void appendWordText(std::string& line, Word word) {
  char text[4];
  line.append(text, static_cast<std::size_t>(writeWordText(text, word) - text));
}

}  // namespace casl2wb
