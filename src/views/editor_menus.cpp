// The menu bar, the toolbar and the keys of the editor window, and the
// commands that only keys reach.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <array>
#include <iterator>
#include <tuple>

#include "base/messages.h"
#include "views/dialogs.h"
#include "views/editor_texts.h"
#include "views/editor_window.h"
#include "views/help_window.h"
#include "views/object_names.h"
#include "views/product_title.h"
#include "views/source_highlighter.h"
#include "views/text_conversion.h"
#include "views/tool_icons.h"

namespace casl2wb {
namespace {

namespace texts = editor_texts;
namespace names = object_names;

QAction* addItem(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

void addSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QAction* addTopLevel(QMenuBar* bar, const char* name, const char* caption) {
  QAction* action = bar->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

void setKey(QAction* action, const char* key) {
  action->setShortcut(QKeySequence(QString::fromLatin1(key)));
}

}  // namespace

void EditorWindow::buildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* file = addMenu(bar, names::fileMenu, texts::fileMenu);
  connect(addItem(file, names::fileWindowAction, texts::fileWindowAction), &QAction::triggered,
          this, &EditorWindow::openFileWindow);
  connect(addItem(file, names::closeAction, texts::closeAction), &QAction::triggered, this,
          &EditorWindow::close);
  connect(addItem(file, names::saveAsAction, texts::saveAsAction), &QAction::triggered, this,
          &EditorWindow::saveAs);
  addSeparator(file, names::fileMenuSeparator1);
  connect(addItem(file, names::printAction, texts::printAction), &QAction::triggered, this,
          &EditorWindow::printProgramAndMemory);
  connect(addItem(file, names::printerSetupAction, texts::printerSetupAction), &QAction::triggered,
          this, &EditorWindow::setUpPrinter);
  addSeparator(file, names::fileMenuSeparator2);
  connect(addItem(file, names::endAction, texts::endAction), &QAction::triggered, this,
          &EditorWindow::close);

  QMenu* edit = addMenu(bar, names::editMenu, texts::editMenu);
  QAction* cutItem = addItem(edit, names::cutAction, texts::cutAction);
  setKey(cutItem, texts::cutKey);
  connect(cutItem, &QAction::triggered, this, &EditorWindow::cut);
  QAction* copyItem = addItem(edit, names::copyAction, texts::copyAction);
  setKey(copyItem, texts::copyKey);
  connect(copyItem, &QAction::triggered, this, &EditorWindow::copy);
  QAction* pasteItem = addItem(edit, names::pasteAction, texts::pasteAction);
  setKey(pasteItem, texts::pasteKey);
  connect(pasteItem, &QAction::triggered, this, &EditorWindow::paste);
  addSeparator(edit, names::editMenuSeparator);
  QAction* findItem = addItem(edit, names::findAction, texts::findAction);
  setKey(findItem, texts::findKey);
  connect(findItem, &QAction::triggered, this, &EditorWindow::openFindDialog);
  QAction* replaceItem = addItem(edit, names::replaceAction, texts::replaceAction);
  setKey(replaceItem, texts::replaceKey);
  connect(replaceItem, &QAction::triggered, this, &EditorWindow::openReplaceDialog);

  connect(addTopLevel(bar, names::checkAction, texts::checkAction), &QAction::triggered, this,
          &EditorWindow::checkProgram);
  connect(addTopLevel(bar, names::executionWindowsAction, texts::executionWindowsAction),
          &QAction::triggered, this, &EditorWindow::showExecutionWindows);
  connect(addTopLevel(bar, names::clearAction, texts::clearAction), &QAction::triggered, this,
          &EditorWindow::clearScreen);

  buildDialectMenu();

  QMenu* help = addMenu(bar, names::helpMenu, texts::helpMenu);
  connect(addItem(help, names::helpAction, texts::helpAction), &QAction::triggered, this,
          &EditorWindow::showHelp);
}

// The two dialects, one of them checked.
void EditorWindow::buildDialectMenu() {
  QMenu* menu = addMenu(menuBar(), names::dialectMenu, texts::dialectMenu);
  auto* group = new QActionGroup(menu);
  for (const auto& [name, caption, dialect] :
       {std::tuple{names::standardDialectAction, texts::standardDialectAction, Dialect::Standard},
        std::tuple{names::workbenchDialectAction, texts::workbenchDialectAction,
                   Dialect::Workbench}}) {
    QAction* action = addItem(menu, name, caption);
    action->setCheckable(true);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, dialect] { chooseDialect(dialect); });
  }
}

// Keys of the whole window that have no menu item.
void EditorWindow::buildKeys() {
  struct Key {
    const char* name;
    const char* key;
    void (EditorWindow::*command)();
  };
  const Key keys[] = {
      {names::saveToFileAction, texts::saveKey, nullptr},
      {names::nextErrorAction, texts::nextErrorKey, &EditorWindow::goToNextError},
      {names::previousErrorAction, texts::previousErrorKey, &EditorWindow::goToPreviousError},
      {names::goToLineAction, texts::goToLineKey, &EditorWindow::goToLine},
      {names::toggleBreakpointAction, texts::toggleBreakpointKey, &EditorWindow::toggleBreakpoint},
      {names::helpTopicAction, texts::helpTopicKey, &EditorWindow::showHelpAtCursor},
      {names::helpMenuKeyAction, texts::helpMenuKey, nullptr},
  };
  for (const Key& key : keys) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(key.name));
    setKey(action, key.key);
    addAction(action);
    if (key.command != nullptr) connect(action, &QAction::triggered, this, key.command);
  }
  connect(findChild<QAction*>(QString::fromLatin1(names::saveToFileAction)), &QAction::triggered,
          this, &EditorWindow::saveToTextFile);
  // The help menu's access key is a full-width letter that no keyboard
  // types; Alt+H opens it as the other menus open with theirs.
  connect(findChild<QAction*>(QString::fromLatin1(names::helpMenuKeyAction)), &QAction::triggered,
          this, [this] {
            menuBar()->setActiveAction(
                findChild<QMenu*>(QString::fromLatin1(names::helpMenu))->menuAction());
          });
}

void EditorWindow::goToNextError() {
  if (!sourceEdit_->goToError(true)) statusBar()->showMessage(shownMessage(Message::NoErrorLines));
}

void EditorWindow::goToPreviousError() {
  if (!sourceEdit_->goToError(false)) {
    statusBar()->showMessage(shownMessage(Message::NoErrorLines));
  }
}

void EditorWindow::goToLine() {
  const std::string last = std::to_string(sourceEdit_->blockCount());
  const std::optional<QString> entry = dialogs_.inputBox(
      this, shownMessage(Message::GoToLinePrompt, {last}), shownMessage(Message::GoToLineTitle),
      QString::number(sourceEdit_->textCursor().blockNumber() + 1));
  if (!entry) return;
  bool number = false;
  const int line = entry->trimmed().toInt(&number);
  if (!number || line < 1 || line > sourceEdit_->blockCount()) {
    dialogs_.message(this, Dialogs::Icon::Warning, productTitle(),
                     shownMessage(Message::LineNumberBad, {last}));
    return;
  }
  sourceEdit_->goToLine(line);
}

void EditorWindow::toggleBreakpoint() {
  sourceEdit_->toggleBreakpoint(sourceEdit_->textCursor().blockNumber() + 1);
}

// The operation field of the caret's line, cut as the field colours cut the
// line; a line without one opens the help at its top.
void EditorWindow::showHelpAtCursor() {
  const QString line = sourceEdit_->textCursor().block().text();
  QString operation;
  for (const SourceSpan& span : sourceSpans(line)) {
    if (span.part == SourcePart::Operation) operation = line.mid(span.start, span.length);
  }
  showHelp();
  helpWindow_->showTopic(operation);
}

void EditorWindow::buildToolbar() {
  toolbar_ = addToolBar(QString());
  toolbar_->setObjectName(QString::fromLatin1(names::toolbar));
  toolbar_->setMovable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar_->setIconSize(QSize(24, 24));

  struct Button {
    ToolIcon icon;
    void (EditorWindow::*command)();
  };
  // The toolbar's items from left to right; separators have no command.
  const std::array<Button, 11> buttons = {{
      {ToolIcon::NewFile, &EditorWindow::saveAs},
      {ToolIcon::Open, &EditorWindow::openFileWindow},
      {ToolIcon::Save, &EditorWindow::openFileWindow},
      {ToolIcon::NewFile, nullptr},
      {ToolIcon::Print, &EditorWindow::printProgramList},
      {ToolIcon::NewFile, nullptr},
      {ToolIcon::Cut, &EditorWindow::cut},
      {ToolIcon::Copy, &EditorWindow::copy},
      {ToolIcon::Paste, &EditorWindow::paste},
      {ToolIcon::NewFile, nullptr},
      {ToolIcon::Find, &EditorWindow::openFindDialog},
  }};
  static_assert(std::size(names::toolbarItems) == std::tuple_size_v<decltype(buttons)>);
  static_assert(std::size(texts::toolButtons) == std::tuple_size_v<decltype(buttons)>);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const QString name = QString::fromLatin1(names::toolbarItems[i]);
    const texts::ToolButtonTexts& label = texts::toolButtons[i];
    if (buttons[i].command == nullptr) {
      toolbar_->addSeparator()->setObjectName(name);
      continue;
    }
    QAction* action = toolbar_->addAction(toolIcon(buttons[i].icon), QString::fromUtf8(label.text));
    action->setObjectName(name);
    action->setToolTip(QString::fromUtf8(label.toolTip));
    connect(action, &QAction::triggered, this, buttons[i].command);
  }
}

}  // namespace casl2wb
