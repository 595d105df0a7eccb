#include "views/print_dialog_translator.h"

#include <array>
#include <cstring>

namespace casl2wb {
namespace {

struct PrintDialogText {
  const char* context;
  const char* english;
  const char* japanese;
};

// The contexts and English texts are Qt's own, as its print support asks
// for them.
constexpr std::array printDialogTexts{
    // The options tab of the print dialog.
    PrintDialogText{"QPrintSettingsOutput", "Pages", "ページ指定"},
    PrintDialogText{"QPrintSettingsOutput",
                    "Specify pages or ranges separated by commas. Ranges are specified by two "
                    "numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
                    "印刷するページとページ範囲をコンマで区切って指定します。"
                    "範囲は 2 つのページ番号をハイフンでつないで指定します。"
                    "例: 3,5-7,9 では 3、5、6、7、9 ページを印刷します。"},
    PrintDialogText{"QPrintSettingsOutput", "Double Sided Printing", "両面印刷"},
    PrintDialogText{"QPrintSettingsOutput", "Off", "なし"},
    PrintDialogText{"QPrintSettingsOutput", "Long side binding", "長辺とじ"},
    PrintDialogText{"QPrintSettingsOutput", "Short side binding", "短辺とじ"},
    // The messages of the print dialog's Print button.
    PrintDialogText{"QPrintDialog", "Invalid Pages Definition", "ページ指定が正しくありません"},
    PrintDialogText{"QPrintDialog",
                    "%1 does not follow the correct syntax. Please use ',' to separate ranges and "
                    "pages, '-' to define ranges and make sure ranges do not intersect with each "
                    "other.",
                    "%1 は正しい形式ではありません。"
                    "ページとページ範囲は ',' で区切り、範囲は '-' で指定して、"
                    "範囲どうしが重ならないようにしてください。"},
    PrintDialogText{"QPrintDialog", "Duplex Settings Conflicts", "両面印刷の設定の競合"},
    PrintDialogText{"QPrintDialog",
                    "There are conflicts in duplex settings. Do you want to fix them?",
                    "両面印刷の設定が競合しています。修正しますか?"},
    // The printer properties dialog and the messages of its OK button.
    PrintDialogText{"QPrintPropertiesWidget", "Advanced", "詳細設定"},
    PrintDialogText{"QPrintPropertiesWidget",
                    "There are conflicts in some options. Please fix them.",
                    "競合しているオプションがあります。修正してください。"},
    PrintDialogText{"QPrintPropertiesDialog", "Page Setup Conflicts", "ページ設定の競合"},
    PrintDialogText{"QPrintPropertiesDialog",
                    "There are conflicts in page setup options. Do you want to fix them?",
                    "ページ設定のオプションが競合しています。修正しますか?"},
    PrintDialogText{"QPrintPropertiesDialog", "Advanced Option Conflicts", "詳細設定の競合"},
    PrintDialogText{"QPrintPropertiesDialog",
                    "There are conflicts in some advanced options. Do you want to fix them?",
                    "詳細設定のオプションが競合しています。修正しますか?"},
    // A printer that asks for a user name and password before it prints.
    PrintDialogText{"QCupsPrinterSupport", "Authentication Needed", "認証が必要です"},
    PrintDialogText{"QCupsPrinterSupport", "Authentication needed to use %1.",
                    "%1 を使用するには認証が必要です。"},
    PrintDialogText{"QCupsPrinterSupport", "Authentication needed to use %1 on %2.",
                    "%2 の %1 を使用するには認証が必要です。"},
    PrintDialogText{"QCupsPrinterSupport", "Username:", "ユーザー名:"},
    PrintDialogText{"QCupsPrinterSupport", "Password:", "パスワード:"},
};

}  // namespace

QString PrintDialogTranslator::translate(const char* context, const char* sourceText,
                                         const char* disambiguation, int /*n*/) const {
  // A null answer lets Qt ask the next translator.
  if (context == nullptr || sourceText == nullptr ||
      (disambiguation != nullptr && *disambiguation != '\0'))
    return {};
  for (const PrintDialogText& text : printDialogTexts) {
    if (std::strcmp(text.context, context) == 0 && std::strcmp(text.english, sourceText) == 0)
      return QString::fromUtf8(text.japanese);
  }
  return {};
}

bool PrintDialogTranslator::isEmpty() const { return false; }

}  // namespace casl2wb
