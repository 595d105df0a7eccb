#include "views/trace_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <QTextCursor>

#include "qtprint/font_choice.h"
#include "views/execution_texts.h"
#include "views/object_names.h"

namespace casl2wb {

TraceWindow::TraceWindow(QWidget* home, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QString::fromLatin1(object_names::traceWindow));
  setWindowTitle(QString::fromUtf8(execution_texts::traceWindowCaption));

  textBox_ = new QPlainTextEdit(this);
  textBox_->setObjectName(QString::fromLatin1(object_names::traceText));
  textBox_->setFont(fixedPitchFont(10));
  textBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The text is the translation's and only to be read; the replay selects
  // in it, and the user may still select and copy with mouse and keys.
  textBox_->setReadOnly(true);
  textBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The replay's selection stays visible while another window has the focus.
  QPalette palette = textBox_->palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  textBox_->setPalette(palette);
  setCentralWidget(textBox_);

  QAction* endProgram = menuBar()->addAction(QString::fromUtf8(execution_texts::endProgramAction));
  endProgram->setObjectName(QString::fromLatin1(object_names::endProgramAction));
  // Ends the whole program the way the editor's own end command does, so
  // that unsaved edits are asked about first.
  connect(endProgram, &QAction::triggered, this, [home] {
    if (home != nullptr) {
      home->close();
    } else {
      QApplication::quit();
    }
  });
  QAction* homeItem = menuBar()->addAction(QString::fromUtf8(execution_texts::homeAction));
  homeItem->setObjectName(QString::fromLatin1(object_names::homeAction));
  connect(homeItem, &QAction::triggered, this, [home] {
    if (home == nullptr) return;
    home->show();
    home->raise();
    home->activateWindow();
  });
  resize(640, 480);
}

void TraceWindow::setTraceText(const std::string& text) {
  textBox_->setPlainText(QString::fromStdString(text));
}

namespace {

// The replay counts characters; the text box counts UTF-16 units, two for a
// character beyond the Basic Multilingual Plane.
int charactersBefore(const QString& text, int unitPosition) {
  return static_cast<int>(QStringView(text).left(unitPosition).toUcs4().size());
}

int unitsBefore(const QString& text, int characterPosition) {
  int units = 0;
  for (int characters = 0; characters < characterPosition && units < text.size(); ++characters) {
    units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
  }
  return units;
}

}  // namespace

Text TraceWindow::text() const { return fromUtf8(textBox_->toPlainText().toStdString()); }

TraceRange TraceWindow::selection() const {
  const QTextCursor cursor = textBox_->textCursor();
  const QString text = textBox_->toPlainText();
  const int start = charactersBefore(text, cursor.selectionStart());
  return {start, charactersBefore(text, cursor.selectionEnd()) - start};
}

void TraceWindow::select(TraceRange range) {
  const QString text = textBox_->toPlainText();
  QTextCursor cursor = textBox_->textCursor();
  cursor.setPosition(unitsBefore(text, range.start));
  cursor.setPosition(unitsBefore(text, range.start + range.length), QTextCursor::KeepAnchor);
  textBox_->setTextCursor(cursor);
}

void TraceWindow::focus() { textBox_->setFocus(); }

}  // namespace casl2wb
