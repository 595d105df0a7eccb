// One version everywhere: what `casl2wb-cli --version` prints is the version
// in the captions of the splash window and of the editor window.
#include <QRegularExpression>

#include "editor_fixture.h"
#include "views/product_title.h"
#include "views/splash_window.h"

namespace casl2wb::testing {
namespace {

// The version that the text front end prints, or an empty text.
QString cliVersion() {
  QProcess process;
  process.start(QStringLiteral(CASL2WB_CLI), {QStringLiteral("--version")});
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return {};
  }
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("\\Acasl2wb-cli (\\S+)\\n\\z")).match(out);
  return match.hasMatch() ? match.captured(1) : QString();
}

using VersionTest = EditorFixture;

TEST_F(VersionTest, CliPrintsADottedVersion) {
  const QString version = cliVersion();
  EXPECT_TRUE(
      QRegularExpression(QStringLiteral("\\A\\d+\\.\\d+\\.\\d+\\z")).match(version).hasMatch())
      << version.toStdString();
  EXPECT_EQ(version, productVersion());
}

TEST_F(VersionTest, EditorCaptionShowsTheCliVersion) {
  const QString version = cliVersion();
  ASSERT_FALSE(version.isEmpty());
  EXPECT_EQ(editor->windowTitle(), productTitle() + QStringLiteral(" ") + version);
}

TEST_F(VersionTest, SplashCaptionShowsTheCliVersion) {
  const QString version = cliVersion();
  ASSERT_FALSE(version.isEmpty());
  auto splash = std::make_unique<SplashWindow>([]() -> QWidget* { return nullptr; });
  EXPECT_EQ(splash->windowTitle(), productTitle() + QStringLiteral(" ") + version);
  EXPECT_EQ(splash->windowTitle(), editor->windowTitle());
}

}  // namespace
}  // namespace casl2wb::testing
