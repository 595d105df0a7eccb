// The help: a section for every mnemonic of the instruction table and for
// no other, the workbench's own texts in its rules and keys, the search box,
// and F1 in the editor opening the help at the instruction of the caret's
// line.
#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <set>

#include "assembler/line_splitter.h"
#include "assembler/source_table.h"
#include "comet2/instruction_set.h"
#include "editor_fixture.h"
#include "views/editor_texts.h"
#include "views/execution_texts.h"
#include "views/find_texts.h"
#include "views/help_document.h"
#include "views/help_window.h"
#include "views/instruction_help.h"
#include "views/text_conversion.h"

namespace casl2wb::testing {
namespace {

namespace names = object_names;

QString latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::set<QString> tableMnemonics() {
  std::set<QString> mnemonics;
  for (const Instruction& row : instructionSet) mnemonics.insert(latin1(row.mnemonic));
  return mnemonics;
}

std::set<QString> anchorsIn(const QString& html) {
  std::set<QString> anchors;
  static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\">"));
  for (const auto& match : anchor.globalMatch(html)) anchors.insert(match.captured(1));
  return anchors;
}

QString plainText(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText();
}

// A caption without its access key, as the help names it.
QString withoutAccessKey(const char* caption) {
  QString text = QString::fromUtf8(caption);
  text.remove(QRegularExpression(QStringLiteral("[（(]&.[）)]")));
  return text;
}

// The HTML of one section: from its anchor to the next heading.
QString sectionOf(const QString& html, const QString& mnemonic) {
  const qsizetype start = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(mnemonic));
  if (start < 0) return {};
  return html.mid(start, html.indexOf(QStringLiteral("<h"), start) - start);
}

TEST(InstructionHelp, EveryMnemonicOfTheTableIsExplainedAndNoOther) {
  std::set<QString> explained;
  for (const InstructionExplanation& explanation : instructionExplanations()) {
    SCOPED_TRACE(latin1(explanation.mnemonic).toStdString());
    EXPECT_TRUE(explained.insert(latin1(explanation.mnemonic)).second) << "explained twice";
    EXPECT_STRNE(explanation.name, "");
    EXPECT_STRNE(explanation.action, "");
  }
  EXPECT_EQ(explained, tableMnemonics());
  for (const PseudoInstructionExplanation& pseudo : pseudoInstructionExplanations()) {
    EXPECT_EQ(tableMnemonics().count(latin1(pseudo.mnemonic)), 0u) << pseudo.mnemonic;
  }
}

TEST(InstructionHelp, SectionsAreThoseOfTheTableAndListEveryRow) {
  const QString html = machineInstructionSectionsHtml() + ownInstructionSectionsHtml();
  EXPECT_EQ(anchorsIn(html), tableMnemonics());
  for (const Instruction& row : instructionSet) {
    SCOPED_TRACE(row.mnemonic);
    const QString code = QStringLiteral("%1").arg(int{row.code}, 2, 16, QLatin1Char('0')).toUpper();
    EXPECT_TRUE(sectionOf(html, latin1(row.mnemonic)).contains(QStringLiteral("コード ") + code));
    // The macros and DMP, whose codes are the workbench's own, have a part
    // of their own.
    const bool own = row.form == OperandForm::Macro || row.action == Action::Dump;
    EXPECT_EQ(ownInstructionMnemonics().contains(latin1(row.mnemonic)), own);
    EXPECT_NE(machineInstructionMnemonics().contains(latin1(row.mnemonic)), own);
  }
}

TEST(InstructionHelp, SectionsAreFoundByExactMnemonic) {
  for (const QString& mnemonic : tableMnemonics()) EXPECT_TRUE(hasHelpSection(mnemonic));
  for (const PseudoInstructionExplanation& pseudo : pseudoInstructionExplanations()) {
    EXPECT_TRUE(hasHelpSection(latin1(pseudo.mnemonic)));
  }
  for (const char* word : {"", "ld", "GR1,A", "LAB", "\tLD", "out", "LDX"}) {
    EXPECT_FALSE(hasHelpSection(QString::fromLatin1(word))) << word;
  }
}

TEST(HelpText, EveryTopicHasOneAnchorAndALinkAndEveryNameIsFilled) {
  const QString html = helpHtml();
  EXPECT_FALSE(html.contains(QLatin1Char('{')));
  std::set<QString> topics = tableMnemonics();
  for (const PseudoInstructionExplanation& pseudo : pseudoInstructionExplanations()) {
    topics.insert(latin1(pseudo.mnemonic));
  }
  for (const QString& topic : topics) {
    SCOPED_TRACE(topic.toStdString());
    EXPECT_EQ(html.count(QStringLiteral("<a name=\"%1\">").arg(topic)), 1);
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#%1\">").arg(topic)));
  }
  // Every link leads to an anchor.
  static const QRegularExpression link(QStringLiteral("<a href=\"#([^\"]+)\">"));
  const std::set<QString> anchors = anchorsIn(html);
  for (const auto& match : link.globalMatch(html)) {
    EXPECT_EQ(anchors.count(match.captured(1)), 1u) << match.captured(1).toStdString();
  }
}

TEST(HelpText, RulesAndInstructionsQuoteTheWorkbenchsTexts) {
  const QString rules = plainText(rulesHelpHtml());
  const QString instructions =
      plainText(ownInstructionSectionsHtml() + machineInstructionSectionsHtml());
  const QString quotedInRules[] = {
      shownMessage(Message::LineTooLong),
      shownMessage(Message::TooManyLines),
      shownMessage(Message::PassLimitBad),
      shownMessage(Message::TabsInText),
      shownMessage(Message::HistoryLimit),
      QString::fromUtf8(editor_texts::convertTabsButton),
      QString::number(maxLineLength),
      QString::number(SourceTable::maxLines),
      QStringLiteral("LMT"),
      QStringLiteral("MEX"),
  };
  for (const QString& text : quotedInRules) EXPECT_TRUE(rules.contains(text)) << text.toStdString();
  for (const Message message : {Message::PushWithoutIndex, Message::InputPrompt,
                                Message::InputDefault, Message::InputTooLong}) {
    EXPECT_TRUE(instructions.contains(QStringLiteral("「%1」").arg(shownMessage(message))))
        << shownMessage(message).toStdString();
  }
}

TEST(HelpText, KeysNameTheKeysAndButtonsOfEveryWindow) {
  namespace editor = editor_texts;
  namespace execution = execution_texts;
  const QString keys = plainText(keysHelpHtml());
  const char* const latinTexts[] = {
      editor::cutKey,
      editor::copyKey,
      editor::pasteKey,
      editor::findKey,
      editor::replaceKey,
      editor::saveKey,
      editor::nextErrorKey,
      editor::previousErrorKey,
      editor::goToLineKey,
      editor::helpMenuKey,
      editor::helpTopicKey,
      editor::toggleBreakpointKey,
      execution::stepForwardKey,
      execution::stepBackKey,
      execution::firstStepKey,
      execution::lastStepKey,
      execution::stepButton,
      execution::stepBackButton,
  };
  for (const char* text : latinTexts) {
    EXPECT_TRUE(keys.contains(QString::fromLatin1(text))) << text;
  }
  const char* const captions[] = {
      execution::goToStepLabel,         execution::nextBreakButton,
      execution::previousBreakButton,   execution::runAction,
      find_texts::findDialogCaption,    find_texts::findNextButton,
      find_texts::replaceDialogCaption, find_texts::replaceButton,
      find_texts::replaceAllButton,     editor::helpMenu,
  };
  for (const char* caption : captions) {
    EXPECT_TRUE(keys.contains(withoutAccessKey(caption))) << caption;
  }
  // The arrow keys of the replay.
  EXPECT_TRUE(keys.contains(QStringLiteral("→")));
  EXPECT_TRUE(keys.contains(QStringLiteral("←")));
}

class HelpWindowTest : public EditorFixture {
 protected:
  HelpWindow* help() const { return child<HelpWindow>(names::helpWindow); }
  QTextBrowser* browser() const {
    return help()->findChild<QTextBrowser*>(QString::fromLatin1(names::helpText));
  }
  QLineEdit* search() const {
    return help()->findChild<QLineEdit*>(QString::fromLatin1(names::helpSearch));
  }
  QString searchStatus() const {
    return help()->findChild<QLabel*>(QString::fromLatin1(names::helpSearchStatus))->text();
  }
  int scroll() const { return browser()->verticalScrollBar()->value(); }

  // The block of the help that holds the anchor.
  QTextBlock anchorBlock(const QString& name) const {
    for (QTextBlock block = browser()->document()->begin(); block.isValid(); block = block.next()) {
      for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        if (fragment.fragment().charFormat().anchorNames().contains(name)) return block;
      }
    }
    return {};
  }
  // Whether the help shows the anchor's block at its top, or, for a
  // section too near the end to get there, anywhere.
  bool showsAtTop(const QString& name) const {
    const QTextBlock block = anchorBlock(name);
    if (!block.isValid()) return false;
    if (browser()->cursorForPosition(QPoint(8, 2)).block() == block) return true;
    const QRectF shown =
        browser()->document()->documentLayout()->blockBoundingRect(block).translated(0, -scroll());
    return scroll() == browser()->verticalScrollBar()->maximum() &&
           browser()->viewport()->rect().contains(shown.topLeft().toPoint());
  }

  void searchFor(const QString& text) const {
    search()->setText(text);
    QTest::keyClick(search(), Qt::Key_Return);
  }

  // Puts the caret on the line (counted from 0) and presses F1.
  void pressF1On(int line) const {
    sourceEdit()->setTextCursor(QTextCursor(sourceEdit()->document()->findBlockByNumber(line)));
    press(QKeySequence(QString::fromLatin1(editor_texts::helpTopicKey)));
  }
};

TEST_F(HelpWindowTest, ShowTopicScrollsToEachSectionAndToTheTopForOtherWords) {
  trigger(names::helpAction);
  ASSERT_NE(help(), nullptr);
  std::set<QString> topics = tableMnemonics();
  for (const PseudoInstructionExplanation& pseudo : pseudoInstructionExplanations()) {
    topics.insert(latin1(pseudo.mnemonic));
  }
  for (const QString& topic : topics) {
    SCOPED_TRACE(topic.toStdString());
    help()->showTopic(QString());
    ASSERT_EQ(scroll(), 0);
    help()->showTopic(topic);
    EXPECT_TRUE(showsAtTop(topic));
  }
  help()->showTopic(QStringLiteral("LDX"));
  EXPECT_EQ(scroll(), 0);
}

struct F1Case {
  const char* line;
  const char* topic;  // nullptr: the top of the help
};

void PrintTo(const F1Case& f1, std::ostream* out) { *out << '"' << f1.line << '"'; }

class HelpKeyTest : public HelpWindowTest, public ::testing::WithParamInterface<F1Case> {};

TEST_P(HelpKeyTest, F1OpensTheHelpAtTheOperationOfTheCaretsLine) {
  const F1Case& f1 = GetParam();
  // The first line scrolls the help away from its top.
  sourceEdit()->setPlainText(QStringLiteral(" CPL GR1,GR2\n") + QString::fromUtf8(f1.line));
  pressF1On(0);
  ASSERT_NE(help(), nullptr);
  EXPECT_TRUE(help()->isVisible());
  ASSERT_TRUE(showsAtTop(QStringLiteral("CPL")));
  pressF1On(1);
  if (f1.topic != nullptr) {
    EXPECT_TRUE(showsAtTop(QString::fromLatin1(f1.topic)));
  } else {
    EXPECT_EQ(scroll(), 0);
  }
  EXPECT_EQ(editor->findChildren<HelpWindow*>().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HelpKeyTest,
    ::testing::Values(F1Case{" LD GR1,A", "LD"}, F1Case{"LAB ADDA GR1,B", "ADDA"},
                      F1Case{"    POP GR1 ;RET", "POP"}, F1Case{"PGM START", "START"},
                      F1Case{" OUT BUF,LEN", "OUT"},
                      // LD written from the first column is a label.
                      F1Case{"LD GR1,A", nullptr}, F1Case{"; LD GR1,A", nullptr},
                      F1Case{"", nullptr}, F1Case{" ld GR1,A", nullptr},
                      // A tab is no separator: "\tLD" is the operation.
                      F1Case{" \tLD GR1,A", nullptr}));

TEST_F(HelpWindowTest, SearchFindsEveryOccurrenceIgnoringCaseAndWrapsToTheTop) {
  trigger(names::helpAction);
  const QString word = QStringLiteral("start");
  const qsizetype occurrences = browser()->toPlainText().count(word, Qt::CaseInsensitive);
  ASSERT_GT(occurrences, 1);
  int first = -1;
  int last = -1;
  for (qsizetype i = 0; i < occurrences; ++i) {
    searchFor(word);
    const QTextCursor found = browser()->textCursor();
    EXPECT_EQ(found.selectedText().compare(word, Qt::CaseInsensitive), 0);
    EXPECT_GT(found.selectionStart(), last);
    last = found.selectionStart();
    if (first < 0) first = last;
  }
  searchFor(word);
  EXPECT_EQ(browser()->textCursor().selectionStart(), first);
  EXPECT_EQ(searchStatus(), QString());
  EXPECT_TRUE(help()->isVisible());
}

TEST_F(HelpWindowTest, SearchSaysWhenTheHelpDoesNotHoldTheText) {
  trigger(names::helpAction);
  searchFor(QStringLiteral("XYZZY"));
  EXPECT_EQ(searchStatus(), shownMessage(Message::HelpTextNotFound, {"XYZZY"}));
  EXPECT_FALSE(browser()->textCursor().hasSelection());
  searchFor(QStringLiteral("MEX"));
  EXPECT_EQ(searchStatus(), QString());
  EXPECT_TRUE(browser()->textCursor().hasSelection());
}

TEST_F(HelpWindowTest, F1IsAKeyOfTheEditorWindow) {
  EXPECT_EQ(action(names::helpTopicAction)->shortcut(),
            QKeySequence(QString::fromLatin1(editor_texts::helpTopicKey)));
}

}  // namespace
}  // namespace casl2wb::testing
