#include <QFile>

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
}

}  // namespace
