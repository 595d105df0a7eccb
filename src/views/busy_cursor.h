// The busy cursor over every window of the program while a long piece of
// work (loading, checking, saving, printing) runs; back to normal when the
// work is done or before a message box tells its outcome.
#pragma once

#include <QApplication>
#include <QCursor>

namespace casl2wb {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~BusyCursor() { release(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  void release() {
    if (active_) QApplication::restoreOverrideCursor();
    active_ = false;
  }

 private:
  bool active_ = true;
};

}  // namespace casl2wb
