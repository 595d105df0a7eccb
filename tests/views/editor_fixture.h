// A fresh editor window over a fresh workbench for each test, with scripted
// dialogs, the work file in a temporary folder, and helpers that type, click
// and read the controls by their object names.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "scripted_dialogs.h"
#include "views/editor_window.h"
#include "views/object_names.h"
#include "views/workbench_state.h"

namespace casl2wb::testing {

// Sends the keys that type the text into the widget; "\n" is the Return key.
inline void typeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    const bool newline = c == QLatin1Char('\n');
    const int key = newline ? Qt::Key_Return : 0;
    // A character beyond the Basic Multilingual Plane is one key of two units.
    const qsizetype units = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString keyText = newline ? QStringLiteral("\r") : text.mid(i, units);
    i += units - 1;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, keyText);
    QApplication::sendEvent(widget, &release);
  }
}

inline QStringList listItems(const QAbstractItemView* list) {
  const QAbstractItemModel* model = list->model();
  QStringList items;
  for (int i = 0; i < model->rowCount(); ++i) items.append(model->index(i, 0).data().toString());
  return items;
}

// Row `row` of a list's model, as shown, and the number of rows.
inline QString rowText(const QAbstractItemView* list, int row) {
  return list->model()->index(row, 0).data().toString();
}
inline int rowCount(const QAbstractItemView* list) { return list->model()->rowCount(); }

inline QString readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<unreadable>");
  return QString::fromUtf8(file.readAll());
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Runs the event loop once, so that windows closed for good are deleted.
inline void runEventLoopOnce() {
  QEventLoop loop;
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The message list that `casl2wb-cli check` prints for the file.
inline QStringList cliCheck(const QString& path) {
  QProcess process;
  process.start(QStringLiteral(CASL2WB_CLI), {QStringLiteral("check"), path});
  process.waitForFinished(30000);
  QString out = QString::fromUtf8(process.readAllStandardOutput());
  if (out.endsWith(QLatin1Char('\n'))) out.chop(1);
  return out.split(QLatin1Char('\n'));
}

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    workFolder = folder.filePath(QStringLiteral("data/casl2wb"));
    state = std::make_unique<WorkbenchState>(workFolder.toStdString());
    editor = std::make_unique<EditorWindow>(*state, dialogs);
    editor->show();
  }

  template <typename T>
  T* child(const char* name) const {
    return editor->findChild<T*>(QString::fromLatin1(name));
  }
  QAction* action(const char* name) const { return child<QAction>(name); }
  void trigger(const char* name) const { action(name)->trigger(); }

  QPlainTextEdit* sourceEdit() const { return child<QPlainTextEdit>(object_names::sourceEdit); }
  // Presses the keys in the widget (the program box when none is given) of
  // the active editor window, so that the window's shortcuts see them.
  void press(const QKeySequence& keys, QWidget* target = nullptr) const {
    QApplication::setActiveWindow(editor.get());
    QWidget* widget = target != nullptr ? target : sourceEdit();
    widget->setFocus();
    QTest::keyClick(widget, keys[0].key(), keys[0].keyboardModifiers());
  }
  QListWidget* messageList() const { return child<QListWidget>(object_names::messageList); }
  QString text() const { return sourceEdit()->toPlainText(); }
  void select(int start, int length) const {
    QTextCursor cursor = sourceEdit()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    sourceEdit()->setTextCursor(cursor);
  }
  int selectionStart() const { return sourceEdit()->textCursor().selectionStart(); }
  int selectionLength() const {
    const QTextCursor cursor = sourceEdit()->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
  }
  QString selectedText() const { return text().mid(selectionStart(), selectionLength()); }

  QTemporaryDir folder;
  QString workFolder;  // of the work files
  ScriptedDialogs dialogs;
  std::unique_ptr<WorkbenchState> state;
  std::unique_ptr<EditorWindow> editor;
};

}  // namespace casl2wb::testing
