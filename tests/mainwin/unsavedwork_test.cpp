// Nothing typed is lost: quitting offers to save unsaved changes, and a survey text counts as a change
// the moment it is typed.
#include <QComboBox>
#include <QFile>

#include "mainwindowfixture.h"

namespace {

const QString PlainQuit = QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを終了してもよろしいですか？");
const QString SaveFirst = QStringLiteral("データが変更されています。終了する前に保存しますか？");
const QString DiscardQuestion = QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？");

enum class Save { NotAsked, IntoTheFile, AskedName, CancelledName, Fails };

struct QuitCase {
    const char* name;
    bool changed;                  // a reading typed since the file was saved
    bool withFile;                 // the data has a data file
    bool byMenu;                   // 終了, else the window's close control
    std::optional<Answer> answer;  // to the question asked, if any
    Save save;
    bool ends;
};

void PrintTo(const QuitCase& c, std::ostream* out) {
    *out << c.name;
}

class QuitTest : public MainWindowTest, public testing::WithParamInterface<QuitCase> {
protected:
    QString file() const { return folder.filePath(QStringLiteral("現場.txt")); }
    QByteArray fileBytes() const {
        QFile saved(file());
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }
};

TEST_P(QuitTest, UnsavedChangesAreOfferedForSavingBeforeTheProgramEnds) {
    const QuitCase& c = GetParam();
    typeReading(1, QStringLiteral("4"));
    if (c.withFile) {
        dialogs.expectSaveFile(file());
        window.mnuSaveName->trigger();
    }
    if (c.changed) typeReading(2, QStringLiteral("7"));
    const QByteArray before = fileBytes();

    if (c.answer) dialogs.expect(c.changed ? SaveFirst : PlainQuit, c.answer);
    const QString unreachable = folder.filePath(QStringLiteral("no-such-folder/a.txt"));
    if (c.save == Save::AskedName) dialogs.expectSaveFile(file());
    if (c.save == Save::CancelledName) dialogs.expectSaveFile(std::nullopt);
    if (c.save == Save::Fails) {
        dialogs.expectSaveFile(unreachable);
        dialogs.expect(
            QStringLiteral("ファイル%1に保存できませんでした。\n(ファイルまたはフォルダーがありません)\n"
                           "ファイルは変更されていません。")
                .arg(unreachable));
    }
    if (c.byMenu)
        window.mnuExit->trigger();
    else
        window.close();

    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(window.isVisible(), !c.ends);
    if (c.answer && c.changed) {
        EXPECT_EQ(dialogs.shown().front().buttons, Buttons::SaveDiscardCancel);
        EXPECT_EQ(dialogs.shown().front().title.toStdString(), "終了確認");
    }
    const bool saved = c.save == Save::IntoTheFile || c.save == Save::AskedName;
    EXPECT_EQ(fileBytes() != before, saved);
    if (saved) {
        EXPECT_TRUE(fileBytes().contains("\" 7\""));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quitting, QuitTest,
    testing::Values(
        QuitCase{"unchanged, menu, no", false, true, true, Answer::No, Save::NotAsked, false},
        QuitCase{"unchanged, menu, yes", false, true, true, Answer::Yes, Save::NotAsked, true},
        QuitCase{"unchanged, frame", false, true, false, std::nullopt, Save::NotAsked, true},
        QuitCase{"changed, cancel", true, true, true, Answer::Cancel, Save::NotAsked, false},
        QuitCase{"changed, discard", true, true, false, Answer::Discard, Save::NotAsked, true},
        QuitCase{"changed, save into file", true, true, false, Answer::Save, Save::IntoTheFile, true},
        QuitCase{"new, save under a name", true, false, true, Answer::Save, Save::AskedName, true},
        QuitCase{"new, name cancelled", true, false, true, Answer::Save, Save::CancelledName, false},
        QuitCase{"new, save fails", true, false, true, Answer::Save, Save::Fails, false}),
    [](const testing::TestParamInfo<QuitCase>& info) { return "Case" + std::to_string(info.index); });

// A survey text typed is a change at once: the caption marks it, commands that would discard it ask, and
// undo takes back one field edit at a time, on the block it was made in.
TEST_F(MainWindowTest, ASurveyTextTypedIsAnUndoableChangeAtOnce) {
    setReadings(1, {1.0f});
    setReadings(2, {2.0f});
    ++data.Generation;
    showFirstBlock();
    data.changed.notify();

    auto* surveyName = child<QLineEdit>("Text調査名");
    surveyName->setFocus();
    type(QStringLiteral("site"));
    EXPECT_TRUE(caption().endsWith(u'*'));
    EXPECT_EQ(data.SurveyName[1].toStdString(), "site");
    child<QLineEdit>("Text試験者名")->setFocus();
    type(QStringLiteral("ab"));
    window.commands().blocks.NextBlock();
    child<QComboBox>("cmbMon")->setCurrentIndex(4);
    EXPECT_EQ(data.TestMonth[2].toStdString(), "05");

    dialogs.expect(DiscardQuestion, Answer::No);
    window.mnuNew->trigger();
    EXPECT_EQ(data.TesterName[1].toStdString(), "ab");

    window.mnuUndo->trigger();  // the month, on block 2
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_TRUE(data.TestMonth[2].isEmpty());
    window.mnuUndo->trigger();  // the tester's name, on block 1
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_TRUE(data.TesterName[1].isEmpty());
    EXPECT_EQ(text("Text試験者名"), "");
    EXPECT_EQ(text("Text調査名"), "site");
    window.mnuUndo->trigger();  // the survey name, all four keys at once
    EXPECT_EQ(text("Text調査名"), "");
    EXPECT_FALSE(window.mnuUndo->isEnabled());
    window.mnuRedo->trigger();
    EXPECT_EQ(text("Text調査名"), "site");
}

}  // namespace
