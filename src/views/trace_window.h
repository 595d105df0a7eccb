// The trace window "プログラムトレース": the program-trace text, in which the
// step replay selects the line of the instruction shown.
#pragma once

#include <QMainWindow>
#include <QPlainTextEdit>
#include <string>

#include "simulator/trace_selection.h"

namespace casl2wb {

class TraceWindow : public QMainWindow, public TraceSelection {
  Q_OBJECT

 public:
  // `home` is the editor window that "ホームメニュー" shows again.
  explicit TraceWindow(QWidget* home, QWidget* parent = nullptr);

  QPlainTextEdit* textBox() const { return textBox_; }

  // Shows the trace text of a translation.
  void setTraceText(const std::string& text);

  // The text and selection the replay searches and sets.
  std::string text() const override;
  int selectionStart() const override;
  int selectionLength() const override;
  void select(int start, int length) override;
  void focus() override;

 private:
  QPlainTextEdit* textBox_;
};

}  // namespace casl2wb
