#include "views/japanese_locale.h"

#include <QByteArray>
#include <QLocale>
#include <QtGlobal>

namespace casl2wb {
namespace {

// One variable of the process's environment, set while the object lives and
// then put back as it was.
class EnvironmentOverride {
 public:
  EnvironmentOverride(const char* name, const char* value)
      : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), oldValue_(qgetenv(name)) {
    qputenv(name_, value);
  }
  ~EnvironmentOverride() {
    if (wasSet_)
      qputenv(name_, oldValue_);
    else
      qunsetenv(name_);
  }
  EnvironmentOverride(const EnvironmentOverride&) = delete;
  EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

 private:
  const char* name_;
  bool wasSet_;
  QByteArray oldValue_;
};

}  // namespace

void useJapaneseLocale() {
  {
    // LC_ALL outranks the other locale variables; LANGUAGE, when it names
    // another language, would otherwise decide Qt's language.
    const EnvironmentOverride allCategories("LC_ALL", "ja_JP.UTF-8");
    const EnvironmentOverride languages("LANGUAGE", "ja_JP");
    // Qt reads the environment now and keeps it, its list of languages too.
    QLocale::system().uiLanguages();
  }
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
}

}  // namespace casl2wb
