#include "platform/gui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

namespace {

// Texts of the print dialogs that Qt's Japanese translation does not hold.
class MissingQtTexts : public QTranslator {
public:
    explicit MissingQtTexts(QObject* parent) : QTranslator(parent) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        struct Text {
            const char* context;
            const char* source;
            const char* japanese;
        };
        static const Text texts[] = {
            {"QPrintSettingsOutput", "Pages", "ページ指定"},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
             "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             "ページや範囲をカンマで区切って指定します。範囲は二つの番号をハイフンでつなぎます。例: 3,5-7,9 "
             "はページ 3、5、6、7、9 を印刷します。"},
            {"QPrintSettingsOutput", "Double Sided Printing", "両面印刷"},
            {"QPrintSettingsOutput", "Off", "しない"},
            {"QPrintSettingsOutput", "Long side binding", "長辺とじ"},
            {"QPrintSettingsOutput", "Short side binding", "短辺とじ"},
            {"QPrintDialog", "Invalid Pages Definition", "ページ指定の誤り"},
            {"QPrintDialog",
             "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to "
             "define ranges and make sure ranges do not intersect with each other.",
             "%1 は正しい書き方ではありません。ページや範囲は「,」で区切り、範囲は「-」で指定して、範囲が"
             "重ならないようにして下さい。"},
            {"QPrintDialog", "Duplex Settings Conflicts", "両面印刷の設定の競合"},
            {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
             "両面印刷の設定が競合しています。修正しますか？"},
            {"QPrintPropertiesWidget", "Advanced", "詳細"},
            {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
             "競合しているオプションがあります。修正して下さい。"},
        };
        for (const Text& text : texts)
            if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0)
                return QString::fromUtf8(text.japanese);
        return {};
    }
};

}  // namespace

// Without Qt's translation the texts stay Qt's English throughout, not mixed.
void installJapaneseQtTexts() {
    QCoreApplication* application = QCoreApplication::instance();
    auto* translator = new QTranslator(application);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    QCoreApplication::installTranslator(new MissingQtTexts(application));
}
