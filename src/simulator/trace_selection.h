// The program-trace text box as the step replay sees it: its text and its
// selection, counted in characters from 0.
#pragma once

#include <string>

namespace casl2wb {

class TraceSelection {
 public:
  virtual ~TraceSelection() = default;
  virtual std::string text() const = 0;  // UTF-8
  virtual int selectionStart() const = 0;
  virtual int selectionLength() const = 0;
  virtual void select(int start, int length) = 0;
  virtual void focus() = 0;
};

// Where a selection lies in the text: line and column of its start (both
// counted from 1, in characters, lines ended by LF or CR LF) and its length.
struct SelectionPlace {
  int line = 1;
  int column = 1;
  int length = 0;
  bool operator==(const SelectionPlace&) const = default;
};
SelectionPlace selectionPlace(const TraceSelection& trace);

// A trace text with a selection, kept in memory (text front end and tests).
class StringTraceSelection : public TraceSelection {
 public:
  std::string text() const override { return content; }
  int selectionStart() const override { return start; }
  int selectionLength() const override { return length; }
  void select(int newStart, int newLength) override {
    start = newStart;
    length = newLength;
  }
  void focus() override { ++focusCount; }

  std::string content;
  int start = 0;
  int length = 0;
  int focusCount = 0;
};

}  // namespace casl2wb
