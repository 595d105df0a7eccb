// Form7 "プログラムトレース": the program-trace text, in which the step replay
// selects the line of the instruction shown.
#pragma once

#include <QMainWindow>
#include <QPlainTextEdit>

#include "codegen/trace_text.h"
#include "machine/trace_selection.h"

namespace casl2wb {

class TraceWindow : public QMainWindow, public TraceTextView, public TraceSelection {
  Q_OBJECT

 public:
  // `home` is the editor window that "ホームメニュー" shows again.
  explicit TraceWindow(QWidget* home, QWidget* parent = nullptr);

  QPlainTextEdit* text1() const { return text1_; }

  // The text the translation writes.
  void setText(const std::string& text) override;

  // The text and selection the replay searches and sets.
  std::string text() const override;
  int selectionStart() const override;
  int selectionLength() const override;
  void select(int start, int length) override;
  void focus() override;

 private:
  QPlainTextEdit* text1_;
};

}  // namespace casl2wb
