// The short usage help that "ヘルプ表示" opens: a modeless window owned by
// the editor window.
#pragma once

#include <QDialog>

namespace casl2wb {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner);
};

// The help text (HTML).
QString usageHelpHtml();

}  // namespace casl2wb
