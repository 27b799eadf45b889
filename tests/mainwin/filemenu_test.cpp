#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "commands/recentfiles.h"

#include "mainwindowfixture.h"

namespace {

// The file menu of the window, end to end through a real file: open, correct, save under a name.
TEST_F(MainWindowTest, OpenCorrectAndSaveThroughTheFileMenu) {
    const QString path = folder.filePath(QStringLiteral("現場.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "\"KORVANDEL\",1,\"EXT\"\r\n"
        "1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"50cm\",5\r\n"
        "\" 0\",\" 1\",\" 5\",\" 3\",\" 4\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n");
    file.close();

    dialogs.expectOpenFile(path);
    window.mnuOpen->trigger();
    EXPECT_EQ(caption(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾒｲﾝﾌﾚｰﾑ [%1]").arg(path));
    EXPECT_EQ(cell(4, 1), "3.0");
    EXPECT_EQ(cell(4, 2), "-2.0");
    EXPECT_EQ(text("txtCBlock"), "1");

    window.mnuFileCheck->trigger();
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 5.0f}));
    EXPECT_EQ(cell(2, 1), "5.0");
    EXPECT_EQ(cell(3, 1), "");

    const QString copy = folder.filePath(QStringLiteral("copy.txt"));
    child<QLineEdit>("Text調査名")->setText(QStringLiteral("補正後"));
    dialogs.expectSaveFile(copy);
    window.mnuSaveName->trigger();
    EXPECT_EQ(data.DataFileName, copy);
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("\"KORVANDEL\",1,\"EXT\"\r\n1,\"\x95\xe2\x90\xb3\x8c\xe3\""))
        << bytes.left(40).toStdString();
    EXPECT_TRUE(bytes.contains("\" 1\",\" 5\",\" 0\""));

    // Both files are on the recent list, the one saved last first; the list survives in the settings.
    window.mnuRecent->popup({0, 0});
    QStringList items;
    for (const QAction* item : window.mnuRecent->actions()) items << item->text();
    window.mnuRecent->hide();
    EXPECT_EQ(items, (QStringList{QStringLiteral("&1 ") + copy, QStringLiteral("&2 ") + path}));
    EXPECT_EQ(RecentFiles(settings).files(), (QStringList{copy, path}));
}

TEST(RecentFilesList, KeepsEightNewestFirstEachOnce) {
    QTemporaryDir folder;
    IniSettings settings(folder.filePath(QStringLiteral("settings.ini")));
    RecentFiles recent(settings);
    for (int n = 1; n <= 10; ++n) recent.add(QStringLiteral("/data/%1.txt").arg(n));
    recent.add(QStringLiteral("/data/5.txt"));
    recent.remove(QStringLiteral("/data/9.txt"));
    const QStringList expected{"/data/5.txt", "/data/10.txt", "/data/8.txt", "/data/7.txt",
                               "/data/6.txt", "/data/4.txt",  "/data/3.txt"};
    EXPECT_EQ(recent.files(), expected);
    EXPECT_EQ(RecentFiles(settings).files(), expected);
}

// A recent file that is gone leaves the list with a message; a dropped file opens after the question
// 開く asks.
TEST_F(MainWindowTest, RecentAndDroppedFilesOpenAsTheFileMenuDoes) {
    const QString gone = folder.filePath(QStringLiteral("gone.txt"));
    const QString there = folder.filePath(QStringLiteral("there.txt"));
    for (const QString& path : {gone, there}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"50cm\",2\r\n"
            "\" 1\",\" 2\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n");
    }
    const QString discard = QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？");
    dialogs.expectOpenFile(gone);
    window.mnuOpen->trigger();
    dialogs.expect(discard, Answer::Yes);
    dialogs.expectOpenFile(there);
    window.mnuOpen->trigger();
    QFile::remove(gone);

    window.mnuRecent->popup({0, 0});
    const QList<QAction*> items = window.mnuRecent->actions();
    window.mnuRecent->hide();
    ASSERT_EQ(items.size(), 2);
    dialogs.expect(QStringLiteral("ファイル%1が見つかりません。").arg(gone));
    items[1]->trigger();
    EXPECT_EQ(RecentFiles(settings).files(), QStringList{there});

    setReadings(1, {4.0f});
    showFirstBlock();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(there)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    dialogs.expect(discard, Answer::Yes);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(readings(), (std::vector<float>{1.0f, 2.0f}));
}

}  // namespace
