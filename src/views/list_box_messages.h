// A list box as the message list of a check or a run.
#pragma once

#include <QListWidget>

#include "base/message_list.h"

namespace casl2wb {

class ListBoxMessages : public MessageList {
 public:
  explicit ListBoxMessages(QListWidget& list) : list_(list) {}
  void clear() override { list_.clear(); }
  void add(std::string_view item) override {
    list_.addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
  }

 private:
  QListWidget& list_;
};

}  // namespace casl2wb
