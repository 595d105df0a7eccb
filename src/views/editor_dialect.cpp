// The editor and the two dialects: the choice, its place in the status line,
// and the check of a text in standard CASL II.
#include <QAction>
#include <QLabel>
#include <QListWidget>

#include "assembler/standard_assembler.h"
#include "base/messages.h"
#include "documents/standard_texts.h"
#include "views/editor_window.h"
#include "views/object_names.h"
#include "views/text_conversion.h"
#include "views/workbench_state.h"

namespace casl2wb {

void EditorWindow::chooseDialect(Dialect dialect) {
  const bool changed = dialect != state_.dialect;
  state_.setDialect(dialect);
  showDialect();
  if (!changed) return;
  // The program of the last check was read in the other dialect.
  checkedText_.reset();
  textStateChanged();
  emit dialectChanged();
}

void EditorWindow::showDialect() {
  const bool standard = state_.dialect == Dialect::Standard;
  dialectStatus_->setText(shownMessage(
      Message::StdDialectCaption,
      {formatMessage(standard ? Message::StdDialectName : Message::WorkbenchDialectName)}));
  for (const auto& [name, checked] : {std::pair{object_names::standardDialectAction, standard},
                                      std::pair{object_names::workbenchDialectAction, !standard}}) {
    if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) action->setChecked(checked);
  }
}

void EditorWindow::checkStandardLines(const std::vector<Text>& lines) {
  const std::string name = textFile_.empty() ? std::string() : toStd(textFileShown_);
  state_.standard = standard::Session();
  state_.standard.program = standard::assemble({{name, lines}});
  const standard::Program& program = state_.standard.program;
  QStringList items;
  std::vector<int> itemLines;
  for (const standard::ListingEntry& entry : standard::listingEntries(program)) {
    items.append(fromStd(entry.text));
    itemLines.push_back(entry.place.line);
  }
  // An error of no line belongs to the last line, as the workbench's do.
  const int lastLine = static_cast<int>(lines.size());
  std::map<int, QStringList> errors;
  for (const auto& [line, texts] : standard::errorsByLine(program, lastLine)) {
    for (const std::string& text : texts) errors[line].append(fromStd(text));
  }
  showCheckResult(items, std::move(itemLines), errors, lastLine);
  if (program.runnable()) state_.traceText.setText(standard::codeListingText(program));
  emit programChecked();
}

}  // namespace casl2wb
