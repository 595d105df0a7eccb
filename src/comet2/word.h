// A machine word as a memory cell or a register holds it: a 16-bit value,
// or one of the two states of a cell that holds no value. A cell a check
// cleared is blank and shows as four blanks; a cell nothing ever wrote is
// empty and shows as nothing. Both read as 0. Registers hold words too: a
// load copies a blank or empty cell as it is.
#pragma once

#include <cstdint>
#include <string>

namespace casl2wb {

// The four upper-case hex digits of a 16-bit value.
std::string hexText(std::uint16_t value);

class Word {
 public:
  enum class State : std::uint8_t { Empty, Blank, Value };

  constexpr Word() = default;  // empty
  constexpr explicit Word(std::uint16_t value) : state_(State::Value), value_(value) {}
  static constexpr Word empty() { return Word(); }
  static constexpr Word blank() {
    Word word;
    word.state_ = State::Blank;
    return word;
  }
  // The word of a number modulo 65536 (-1 gives FFFF, 65536 gives 0000).
  static constexpr Word of(std::int64_t n) { return Word(static_cast<std::uint16_t>(n)); }

  constexpr State state() const { return state_; }
  constexpr bool hasValue() const { return state_ == State::Value; }
  constexpr bool isBlank() const { return state_ == State::Blank; }
  constexpr bool isEmpty() const { return state_ == State::Empty; }
  // The 16 bits; 0 for a blank or empty word.
  constexpr std::uint16_t bits() const { return value_; }
  // The two's-complement reading (-32768 to 32767) and the unsigned one.
  constexpr std::int32_t signedValue() const { return static_cast<std::int16_t>(value_); }
  constexpr std::int32_t unsignedValue() const { return value_; }
  // The fields of an instruction word: the operation code (first byte), the
  // register r (third hex digit) and the index or second register x (fourth).
  constexpr int code() const { return value_ >> 8; }
  constexpr int r() const { return (value_ >> 4) & 0xF; }
  constexpr int x() const { return value_ & 0xF; }

  // "", "    " or the four hex digits.
  std::string text() const;

  constexpr bool operator==(const Word&) const = default;

 private:
  State state_ = State::Empty;
  std::uint16_t value_ = 0;
};

}  // namespace casl2wb
