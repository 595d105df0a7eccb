// The menu bar and the toolbar of the editor window.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <array>

#include "views/editor_window.h"
#include "views/form1_texts.h"
#include "views/tool_icons.h"

namespace casl2wb {
namespace {

namespace texts = form1_texts;

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

  QMenu* file = addMenu(bar, "file", texts::file);
  connect(addItem(file, "fileopen", texts::fileopen), &QAction::triggered, this,
          &EditorWindow::fileopen_Click);
  connect(addItem(file, "mnuclose", texts::mnuclose), &QAction::triggered, this,
          &EditorWindow::close);
  connect(addItem(file, "mnusave", texts::mnusave), &QAction::triggered, this,
          &EditorWindow::mnusave_Click);
  addSeparator(file, "mnudummy3");
  connect(addItem(file, "printl", texts::printl), &QAction::triggered, this,
          &EditorWindow::printl_Click);
  connect(addItem(file, "printsetting", texts::printsetting), &QAction::triggered, this,
          &EditorWindow::printsetting_Click);
  addSeparator(file, "mnudummy2");
  connect(addItem(file, "owari", texts::owari), &QAction::triggered, this, &EditorWindow::close);

  QMenu* edit = addMenu(bar, "mnuedit", texts::mnuedit);
  QAction* cut = addItem(edit, "mnucut", texts::mnucut);
  setKey(cut, texts::mnucutKey);
  connect(cut, &QAction::triggered, this, &EditorWindow::EditCut);
  QAction* copy = addItem(edit, "mnucopy", texts::mnucopy);
  setKey(copy, texts::mnucopyKey);
  connect(copy, &QAction::triggered, this, &EditorWindow::EditCopy);
  QAction* paste = addItem(edit, "mnupaste", texts::mnupaste);
  setKey(paste, texts::mnupasteKey);
  connect(paste, &QAction::triggered, this, &EditorWindow::EditPaste);
  addSeparator(edit, "mnudummy1");
  QAction* find = addItem(edit, "mnufind", texts::mnufind);
  setKey(find, texts::mnufindKey);
  connect(find, &QAction::triggered, this, &EditorWindow::mnufind_Click);
  QAction* replace = addItem(edit, "mnureplace", texts::mnureplace);
  setKey(replace, texts::mnureplaceKey);
  connect(replace, &QAction::triggered, this, &EditorWindow::mnureplace_Click);

  connect(addTopLevel(bar, "errchkjika", texts::errchkjika), &QAction::triggered, this,
          &EditorWindow::errchkjika_Click);
  connect(addTopLevel(bar, "jikkoug", texts::jikkoug), &QAction::triggered, this,
          &EditorWindow::jikkoug_Click);
  connect(addTopLevel(bar, "syoukyo", texts::syoukyo), &QAction::triggered, this,
          &EditorWindow::syoukyo_Click);

  QMenu* help = addMenu(bar, "helpf", texts::helpf);
  connect(addItem(help, "helpsh", texts::helpsh), &QAction::triggered, this,
          &EditorWindow::helpsh_Click);
}

void EditorWindow::buildToolbar() {
  toolbar1_ = addToolBar(QString());
  toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar1_->setMovable(false);
  toolbar1_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar1_->setIconSize(QSize(24, 24));

  struct Button {
    ToolIcon icon;
    void (EditorWindow::*command)();
  };
  // Buttons 1 to 11 of the toolbar; separators have no command.
  const std::array<Button, 11> buttons = {{
      {ToolIcon::NewFile, &EditorWindow::saveAs},
      {ToolIcon::Open, &EditorWindow::fileopen_Click},
      {ToolIcon::Save, &EditorWindow::fileopen_Click},
      {ToolIcon::NewFile, nullptr},
      {ToolIcon::Print, &EditorWindow::Printlist},
      {ToolIcon::NewFile, nullptr},
      {ToolIcon::Cut, &EditorWindow::EditCut},
      {ToolIcon::Copy, &EditorWindow::EditCopy},
      {ToolIcon::Paste, &EditorWindow::EditPaste},
      {ToolIcon::NewFile, nullptr},
      {ToolIcon::Find, &EditorWindow::mnufind_Click},
  }};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const QString name = QStringLiteral("Toolbar1Button%1").arg(i + 1);
    const texts::ToolButtonTexts& label = texts::toolButtons[i];
    if (buttons[i].command == nullptr) {
      toolbar1_->addSeparator()->setObjectName(name);
      continue;
    }
    QAction* action =
        toolbar1_->addAction(toolIcon(buttons[i].icon), QString::fromUtf8(label.text));
    action->setObjectName(name);
    action->setToolTip(QString::fromUtf8(label.toolTip));
    connect(action, &QAction::triggered, this, buttons[i].command);
  }
}

}  // namespace casl2wb
