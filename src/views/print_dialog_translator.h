// Japanese texts for what Qt's own Japanese translation leaves in English in
// its print dialog, the printer properties dialog and their messages: the
// pages and double-sided options, the advanced tab, the conflict and page
// list messages, and the printer's request for a password.
#pragma once

#include <QTranslator>

namespace casl2wb {

// Answers only those texts and nothing else, so that installed next to Qt's
// translation it fills that translation's gaps and changes none of its texts.
class PrintDialogTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* sourceText,
                    const char* disambiguation = nullptr, int n = -1) const override;
  bool isEmpty() const override;
};

}  // namespace casl2wb
