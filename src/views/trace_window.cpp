#include "views/trace_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <QTextCursor>

#include "views/font_choice.h"
#include "views/form3_texts.h"

namespace casl2wb {

TraceWindow::TraceWindow(QWidget* home, QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form7");
  setWindowTitle(QString::fromUtf8(form3_texts::form7Caption));

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName("Text1");
  text1_->setFont(fixedPitchFont(10));
  text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The replay's selection stays visible while another window has the focus.
  QPalette palette = text1_->palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  text1_->setPalette(palette);
  setCentralWidget(text1_);

  QAction* jobend = menuBar()->addAction(QString::fromUtf8(form3_texts::jobend));
  jobend->setObjectName("jobend");
  // Ends the whole program the way the editor's own end command does, so
  // that unsaved edits are asked about first.
  connect(jobend, &QAction::triggered, this, [home] {
    if (home != nullptr) {
      home->close();
    } else {
      QApplication::quit();
    }
  });
  QAction* homemenyu = menuBar()->addAction(QString::fromUtf8(form3_texts::homemenyu));
  homemenyu->setObjectName("homemenyu");
  connect(homemenyu, &QAction::triggered, this, [home] {
    if (home == nullptr) return;
    home->show();
    home->raise();
    home->activateWindow();
  });
  resize(640, 480);
}

void TraceWindow::setText(const std::string& text) {
  text1_->setPlainText(QString::fromStdString(text));
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

std::string TraceWindow::text() const { return text1_->toPlainText().toStdString(); }

int TraceWindow::selectionStart() const {
  return charactersBefore(text1_->toPlainText(), text1_->textCursor().selectionStart());
}

int TraceWindow::selectionLength() const {
  const QTextCursor cursor = text1_->textCursor();
  const QString text = text1_->toPlainText();
  return charactersBefore(text, cursor.selectionEnd()) -
         charactersBefore(text, cursor.selectionStart());
}

void TraceWindow::select(int start, int length) {
  const QString text = text1_->toPlainText();
  QTextCursor cursor = text1_->textCursor();
  cursor.setPosition(unitsBefore(text, start));
  cursor.setPosition(unitsBefore(text, start + length), QTextCursor::KeepAnchor);
  text1_->setTextCursor(cursor);
}

void TraceWindow::focus() { text1_->setFocus(); }

}  // namespace casl2wb
