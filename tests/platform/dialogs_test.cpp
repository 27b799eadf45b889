#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/gui/qtdialogs.h"
#include "support/scripteddialogs.h"

namespace {

struct SeenBox {
    QString title;
    QString text;
    QStringList captions;
    QString defaultCaption;
};

// Shows a box through QtDialogs; while it is up, records it and lets `respond` close it.
Answer showAndRespond(Buttons buttons, const QString& title, SeenBox& seen,
                      const std::function<void(QMessageBox&)>& respond) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons()) seen.captions << button->text();
        seen.defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        respond(*box);
    });
    QtDialogs dialogs;
    return dialogs.message(QStringLiteral("本文"), buttons, title);
}

void pressEnter(QMessageBox& box) {
    QTest::keyClick(&box, Qt::Key_Return);
}

void click(QMessageBox& box, const QString& caption) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == caption) QTest::mouseClick(button, Qt::LeftButton);
}

TEST(QtDialogs, ButtonSetsHaveJapaneseCaptionsAndTheirDefaults) {
    struct Case {
        Buttons buttons;
        QStringList captions;
        QString defaultCaption;
        Answer onEnter;
    };
    const Case cases[] = {
        {Buttons::Ok, {"OK"}, "OK", Answer::Ok},
        {Buttons::YesNo, {"はい", "いいえ"}, "はい", Answer::Yes},
        {Buttons::YesNoDefaultNo, {"はい", "いいえ"}, "いいえ", Answer::No},
        {Buttons::OkCancel, {"OK", "キャンセル"}, "OK", Answer::Ok},
        {Buttons::CancelRetryContinue, {"キャンセル", "再試行", "続行"}, "キャンセル", Answer::Cancel},
        {Buttons::SaveDiscardCancel, {"保存", "保存しない", "キャンセル"}, "保存", Answer::Save},
        {Buttons::RestoreDiscardLater, {"復元する", "破棄する", "後で"}, "復元する", Answer::Restore},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        const Answer answer = showAndRespond(c.buttons, QStringLiteral("題"), seen, pressEnter);
        EXPECT_EQ(answer, c.onEnter);
        EXPECT_EQ(seen.title, QStringLiteral("題"));
        EXPECT_EQ(seen.text, QStringLiteral("本文"));
        QStringList sorted = seen.captions, expected = c.captions;
        sorted.sort();
        expected.sort();
        EXPECT_EQ(sorted, expected);
        EXPECT_EQ(seen.defaultCaption, c.defaultCaption);
    }
}

TEST(QtDialogs, AnswersWithTheButtonClickedAndShowsTheApplicationTitleByDefault) {
    SeenBox seen;
    const Answer answer = showAndRespond(Buttons::YesNoDefaultNo, QString(), seen,
                                         [](QMessageBox& box) { click(box, QStringLiteral("はい")); });
    EXPECT_EQ(answer, Answer::Yes);
    EXPECT_EQ(seen.title, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ"));

    const Answer escaped = showAndRespond(Buttons::OkCancel, QString(), seen,
                                          [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(escaped, Answer::Cancel);
}

// The question before unsaved changes are lost: 保存しない ends without saving, Escape keeps working.
TEST(QtDialogs, TheSaveQuestionAnswersSaveDiscardOrCancel) {
    SeenBox seen;
    const Answer discarded =
        showAndRespond(Buttons::SaveDiscardCancel, QStringLiteral("終了確認"), seen, [](QMessageBox& box) {
            box.setText(QStringLiteral("データが変更されています。終了する前に保存しますか？"));
            const QString screens = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
            QDir().mkpath(screens);
            box.grab().save(screens + QStringLiteral("/save-question.png"));
            click(box, QStringLiteral("保存しない"));
        });
    EXPECT_EQ(discarded, Answer::Discard);
    const Answer escaped = showAndRespond(Buttons::SaveDiscardCancel, QString(), seen,
                                          [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(escaped, Answer::Cancel);
}

// Shows a file dialog through QtDialogs; while it is up, records its name filter and lets `respond`
// close it.
std::optional<QString> showFileDialog(bool save, QStringList& filters, QFileDialog::Options& options,
                                      const std::function<void(QFileDialog&)>& respond) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        options = dialog->options();
        respond(*dialog);
    });
    QtDialogs dialogs;
    const FileFilter filter{QStringLiteral("すべてのﾌｧｲﾙ (*.txt)"), QStringLiteral("*.txt")};
    return save ? dialogs.saveFileName({filter}) : dialogs.openFileName(filter);
}

TEST(QtDialogs, FileDialogsListTheFilterAndReturnThePathOrNothingOnCancel) {
    QStringList filters;
    QFileDialog::Options options;
    const QString path = QDir::temp().filePath(QStringLiteral("terrako-dialog-test.txt"));
    const auto choose = [&](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();  // as the dialog's own button does
    };
    EXPECT_EQ(showFileDialog(true, filters, options, choose), path);
    EXPECT_EQ(filters, QStringList({QStringLiteral("すべてのﾌｧｲﾙ (*.txt)")}));
    EXPECT_TRUE(options.testFlag(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(showFileDialog(false, filters, options, [](QFileDialog& dialog) { dialog.reject(); }),
              std::nullopt);
    EXPECT_EQ(filters, QStringList({QStringLiteral("すべてのﾌｧｲﾙ (*.txt)")}));
}

TEST(ScriptedDialogs, FailsOnABoxNobodyExpected) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.message(QStringLiteral("予期しない"), Buttons::Ok);
        },
        "unexpected message box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect(QStringLiteral("来ない"));
        },
        "never shown");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.openFileName({});
        },
        "unexpected file-open dialog");
}

TEST(ScriptedDialogs, AnswersFromTheScriptOrWithTheDefaultButton) {
    ScriptedDialogs dialogs;
    dialogs.expect(QStringLiteral("一"), Answer::Yes);
    dialogs.expect(QStringLiteral("二"));
    EXPECT_EQ(dialogs.message(QStringLiteral("一"), Buttons::YesNoDefaultNo), Answer::Yes);
    EXPECT_EQ(dialogs.message(QStringLiteral("二"), Buttons::YesNoDefaultNo, QStringLiteral("題")),
              Answer::No);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ"));
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, Answer::No);
}

}  // namespace
