// The trace window "プログラムトレース": the program-trace text, in which the
// step replay selects the line of the instruction shown.
#pragma once

#include <QMainWindow>
#include <QPlainTextEdit>
#include <string>

#include "simulator/replay.h"

namespace casl2wb {

class TraceWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `home` is the editor window that "ホームメニュー" shows again.
  explicit TraceWindow(QWidget* home, QWidget* parent = nullptr);

  QPlainTextEdit* textBox() const { return textBox_; }

  // Shows the trace text of a translation.
  void setTraceText(const std::string& text);

  // The text and selection the replay searches and sets, in characters.
  Text text() const;
  TraceRange selection() const;
  void select(TraceRange range);
  void focus();

 private:
  QPlainTextEdit* textBox_;
};

}  // namespace casl2wb
