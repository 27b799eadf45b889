#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

#include "diagram/gui/frmGraph.h"
#include "mainwin/frmDataGrid.h"
#include "mainwindowfixture.h"

namespace {

// Caption, shortcut or "-" for a separator, and whether the item can be chosen now.
struct MenuItem {
    std::string caption;
    std::string shortcut;
    bool enabled;
};

std::vector<MenuItem> itemsOf(const QMenu& menu) {
    std::vector<MenuItem> items;
    for (const QAction* action : menu.actions())
        items.push_back({action->isSeparator() ? "-" : action->text().toStdString(),
                         action->shortcut().toString().toStdString(), action->isEnabled()});
    return items;
}

bool operator==(const MenuItem& a, const MenuItem& b) {
    return a.caption == b.caption && a.shortcut == b.shortcut && a.enabled == b.enabled;
}

void PrintTo(const MenuItem& item, std::ostream* out) {
    *out << item.caption << " [" << item.shortcut << "]" << (item.enabled ? "" : " disabled");
}

TEST_F(MainWindowTest, OpensWithItsCaptionLayoutAndMenus) {
    QTest::qWait(20);
    EXPECT_EQ(caption().toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ・ﾒｲﾝﾌﾚｰﾑ");
    EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 646, 460));  // 9696 × 6900 twips
    EXPECT_EQ(grid().geometry(), QRect(155, 166, 202, 217));
    EXPECT_EQ(child<QWidget>("Picture1")->geometry(), QRect(364, 3, 263, 398));
    EXPECT_EQ(child<QWidget>("txtCBlock")->geometry(), QRect(238, 383, 42, 18));
    EXPECT_EQ(child<QPushButton>("cmdNextBlock")->toolTip().toStdString(), "１つ先のブロックを表示します");
    EXPECT_FALSE(child<QPushButton>("cmdDataEx")->isVisible());
    EXPECT_EQ(text("txtCBlock"), "1");
    EXPECT_EQ(grid().model()->headerData(1, Qt::Horizontal).toString().toStdString(), "貫入量");
    EXPECT_EQ(grid().model()->headerData(499, Qt::Vertical).toString().toStdString(), "500");
    EXPECT_EQ(grid().model()->rowCount(), 500);

    const QList<QAction*> menus = window.menuBar()->actions();
    std::vector<std::string> titles;
    for (const QAction* menu : menus) titles.push_back(menu->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"ファイル(&F)", "編集(&E)", "表示(&V)", "オプション(&O)",
                                                "ヘルプ(&H)"}));
    EXPECT_EQ(itemsOf(*menus[0]->menu()), (std::vector<MenuItem>{{"新規作成(&N)", "Ctrl+N", true},
                                                                 {"開く(&O)", "Ctrl+O", true},
                                                                 {"最近使ったファイル", "", true},
                                                                 {"-", "", true},
                                                                 {"データ補正", "", true},
                                                                 {"-", "", true},
                                                                 {"上書き保存(&S)", "Ctrl+S", true},
                                                                 {"名前を付けて保存(&A)", "", true},
                                                                 {"CSV出力(&E)", "", true},
                                                                 {"-", "", true},
                                                                 {"印刷(&P)", "Ctrl+P", true},
                                                                 {"プリンタの設定(&T)", "", true},
                                                                 {"印刷プレビュー(&V)", "", true},
                                                                 {"-", "", true},
                                                                 {"終了(&Q)", "Ctrl+Q", true}}));
    EXPECT_EQ(itemsOf(*menus[1]->menu()), (std::vector<MenuItem>{{"元に戻す(&U)", "Ctrl+Z", false},
                                                                 {"やり直し(&Y)", "Ctrl+Shift+Z", false},
                                                                 {"-", "", true},
                                                                 {"挿入(&I)", "Ctrl+I", true},
                                                                 {"削除(&D)", "Ctrl+D", true},
                                                                 {"再計算(&R)", "", true},
                                                                 {"データクリア(全block)", "", true},
                                                                 {"データクリア(1block)", "", true}}));
    EXPECT_EQ(itemsOf(*menus[2]->menu()), (std::vector<MenuItem>{{"グリッド(&R)", "Ctrl+R", true},
                                                                 {"グラフ作成(&G)", "Ctrl+G", true},
                                                                 {"-", "", true},
                                                                 {"集計(&S)", "", true},
                                                                 {"一覧グラフ(&A)", "", true}}));
    EXPECT_EQ(itemsOf(*menus[3]->menu()), (std::vector<MenuItem>{{"データ読込み", "", true},
                                                                 {"データ消去", "", false},
                                                                 {"-", "", true},
                                                                 {"通信環境設定(&R)", "", true}}));
    EXPECT_EQ(itemsOf(*menus[4]->menu()), (std::vector<MenuItem>{{"バージョン情報(&V)", "", true}}));
}

TEST_F(MainWindowTest, ScreenshotWithASampleBlock) {
    setReadings(1, {1.5f, 3.0f, 4.0f, 6.5f, 9.0f, 10.0f, 10.5f, 12.0f, 15.0f, 19.5f, 21.0f, 22.0f});
    data.SurveyName[1] = QStringLiteral("北区公園造成地");
    data.TesterName[1] = QStringLiteral("山田 太郎");
    data.TestPlace[1] = QStringLiteral("A工区 植栽帯");
    data.DropHeight[1] = QStringLiteral("50cm");
    data.PointNo[1] = QStringLiteral("1");
    data.TestYear[1] = QStringLiteral("2026");
    data.TestMonth[1] = QStringLiteral("11");
    data.TestDay[1] = QStringLiteral("24");
    data.BlockNo[1] = 1;
    showFirstBlock();
    QTest::qWait(20);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
    QDir().mkpath(folder);
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/frmMain.png")));
    EXPECT_EQ(text("Text調査名"), "北区公園造成地");
    EXPECT_EQ(cell(12, 2), "1.0");
}

TEST(MainWindowSettings, FirstStartGivesTheDefaultsAndBadValuesCountAsMissing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    {
        IniSettings stored(path);
        stored.setValue(QStringLiteral("Color1"), QStringLiteral("0"));
        stored.setValue(QStringLiteral("Color2"), QStringLiteral("123"));
        stored.setValue(QStringLiteral("Mono3"), QStringLiteral("grey"));
        stored.setValue(QStringLiteral("K40DRV_H5"), QStringLiteral("3"));
    }
    IniSettings settings(path);
    ScriptedDialogs dialogs;
    TestData data;
    DisplaySettings display;
    PortSetting port;
    CounterLink link(std::make_unique<QtSerialLine>());
    ScriptedPrinter printer;
    frmMain window({data, display, port, link, dialogs, settings, printer});
    // A stored 0 is black, a colour like any other.
    EXPECT_EQ(display.Color, (std::array<qint32, 6>{0, 0, 123, 33023, 65280, 16776960}));
    EXPECT_EQ(display.Mono, (std::array<qint32, 6>{0, 14737632, 12632256, 8421504, 4210752, 0}));
    EXPECT_EQ(port.CommPort, 3);

    IniSettings empty(folder.filePath(QStringLiteral("none.ini")));
    DisplaySettings fresh;
    PortSetting freshPort;
    frmMain first({data, fresh, freshPort, link, dialogs, empty, printer});
    EXPECT_EQ(fresh.Color, DisplaySettings::DefaultColor);
    EXPECT_EQ(freshPort.CommPort, 2);
}

// The window opens where it was left when that is on a screen, and gives a larger size to the grid's
// rows and the diagram; a place off every screen falls back to the designed one, and a size no screen
// holds is made to fit the screen.
TEST(MainWindowSettings, OpensWhereItWasLeftWhenThatIsOnAScreen) {
    struct Case {
        const char* left;
        const char* width;
        QPoint expected;
        bool larger;
    };
    const Case cases[] = {{"1500", "10500", QPoint(100, 50), true},
                          {"900000", "10500", QPoint(0, 0), false},
                          {"1500", "100000000", QPoint(0, 50), false}};
    int designedRows = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        QTemporaryDir folder;
        IniSettings settings(folder.filePath(QStringLiteral("settings.ini")));
        settings.setValue(QStringLiteral("MainLeft"), QString::fromLatin1(c.left));
        settings.setValue(QStringLiteral("MainTop"), QStringLiteral("750"));
        settings.setValue(QStringLiteral("MainWidth"), QString::fromLatin1(c.width));
        settings.setValue(QStringLiteral("MainHeight"), QStringLiteral("8250"));
        ScriptedDialogs dialogs;
        TestData data;
        DisplaySettings display;
        PortSetting port;
        ScriptedPrinter printer;
        CounterLink link(std::make_unique<QtSerialLine>());
        frmMain window({data, display, port, link, dialogs, settings, printer});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.frameGeometry().topLeft(), c.expected);
        const QTableView& grid = window.grid();
        const int rows = grid.rowAt(grid.viewport()->height() - 1) + 1;
        auto* panel = window.findChild<QWidget*>(QStringLiteral("Picture1"));
        if (c.larger) {
            EXPECT_EQ(window.frameGeometry().size(), QSize(700, 550));
            EXPECT_GT(rows, designedRows + 4);
            EXPECT_EQ(panel->size(), QSize(263 + 54, 398 + 90));
            const QString screens = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
            QDir().mkpath(screens);
            EXPECT_TRUE(window.grab().save(screens + QStringLiteral("/frmMain-larger.png")));
        } else if (designedRows == 0) {
            designedRows = rows;
        } else {
            EXPECT_EQ(window.frameGeometry(),
                      window.screen()->availableGeometry().intersected(window.frameGeometry()));
        }
    }
}

// Minimised at the end, the window keeps no place; colours and port are kept all the same.
TEST_F(MainWindowTest, ClosingWritesTheSettingsAndUnlessMinimisedThePlace) {
    window.showMinimized();
    display.Color[1] = 4141;
    window.close();
    EXPECT_EQ(settings.value(QStringLiteral("Color1")).toStdString(), "4141");
    EXPECT_EQ(settings.value(QStringLiteral("K40DRV_H5")).toStdString(), "2");
    EXPECT_TRUE(settings.value(QStringLiteral("MainLeft")).isEmpty());

    window.showNormal();
    display.Color[1] = 4242;
    window.close();
    EXPECT_EQ(settings.value(QStringLiteral("Color1")).toStdString(), "4242");
    EXPECT_EQ(settings.value(QStringLiteral("Mono5")).toStdString(), "0");
    EXPECT_EQ(settings.value(QStringLiteral("K40DRV_H5")).toStdString(), "2");
    EXPECT_EQ(settings.value(QStringLiteral("MainWidth")).toStdString(), "9690");
}

TEST_F(MainWindowTest, QuitAsksFirst) {
    dialogs.expect(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを終了してもよろしいですか？"), Answer::No);
    window.mnuExit->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "終了確認");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNo);

    dialogs.expect(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌを終了してもよろしいですか？"), Answer::Yes);
    window.mnuExit->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, ControlRightClickOnTheFreeAreaOffersToReadTheCounterAgain) {
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾊﾞｯｸｱｯﾌﾟﾃﾞｰﾀを再読込みしますか？"), Answer::No);
    QTest::mouseClick(window.centralWidget(), Qt::RightButton, Qt::ControlModifier, QPoint(20, 300));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "ﾃﾗｺﾃﾞｰﾀの再読込み");

    // Data in memory are not replaced without a question.
    setReadings(2, {1.0f});
    dialogs.expect(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾊﾞｯｸｱｯﾌﾟﾃﾞｰﾀを再読込みしますか？"), Answer::Yes);
    dialogs.expect(QStringLiteral("現在作業中のデータはクリアされますが、よろしいですか？"), Answer::No);
    QTest::mouseClick(window.centralWidget(), Qt::RightButton, Qt::ControlModifier, QPoint(20, 300));
    EXPECT_EQ(readings(2), std::vector<float>{1.0f});
}

// The caption shows unsaved changes; closing by the frame asks then, and only then.
TEST_F(MainWindowTest, UnsavedChangesShowInTheCaptionAndAreAskedAboutOnClose) {
    const QString quitQuestion = QStringLiteral("データが変更されています。終了する前に保存しますか？");
    EXPECT_FALSE(caption().endsWith(u'*'));
    typeReading(1, QStringLiteral("4"));
    EXPECT_TRUE(caption().endsWith(u'*'));
    dialogs.expect(quitQuestion, Answer::Cancel);
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.shown().back().title.toStdString(), "終了確認");

    // Text typed into a field counts as well, even before it is stored.
    const QString path = folder.filePath(QStringLiteral("a.txt"));
    dialogs.expectSaveFile(path);
    window.mnuSaveName->trigger();
    EXPECT_FALSE(caption().endsWith(u'*'));
    child<QLineEdit>("Text試験者名")->setText(QStringLiteral("佐藤"));
    dialogs.expect(quitQuestion, Answer::Cancel);
    window.close();
    EXPECT_TRUE(window.isVisible());

    dialogs.expectSaveFile(path);
    window.mnuSaveName->trigger();
    window.close();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, ListingShowsEveryBlockInItsColumnAndBringsTheMainWindowBack) {
    setReadings(1, {1.0f, 2.0f, 3.0f});
    setReadings(2, {0.5f, 1.0f, 1.5f, 2.0f, 2.25f});
    data.DataFileName = QStringLiteral("/data/現場.txt");
    showFirstBlock();
    window.mnuGrid->trigger();
    EXPECT_FALSE(window.isVisible());
    frmDataGrid* listing = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmDataGrid*>(top); found && found->isVisible()) listing = found;
    ASSERT_NE(listing, nullptr);
    EXPECT_EQ(listing->windowTitle().toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ｸﾞﾘｯﾄﾞ表示 [/data/現場.txt]");
    const QAbstractItemModel& model = *listing->findChild<QTableView*>()->model();
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.columnCount(), 100);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString().toStdString(), "計測値(1)");
    EXPECT_EQ(model.headerData(99, Qt::Horizontal).toString().toStdString(), "計測値(100)");
    EXPECT_EQ(model.index(4, 1).data().toString().toStdString(), "2.3");
    EXPECT_TRUE(model.index(4, 0).data().toString().isEmpty());
    EXPECT_TRUE(model.index(0, 2).data().toString().isEmpty());

    listing->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    EXPECT_TRUE(window.isVisible());

    // A double click on a block's column shows that block in the graph window instead; columns beyond
    // the blocks in use do nothing.
    window.mnuGrid->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmDataGrid*>(top); found && found->isVisible()) listing = found;
    auto* table = listing->findChild<QTableView*>();
    const auto doubleClick = [table](int column) {
        const QPoint at = table->visualRect(table->model()->index(0, column)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(2);
    EXPECT_TRUE(listing->isVisible());
    doubleClick(1);
    EXPECT_FALSE(listing->isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(data.CurBlock, 2);
    frmGraph* graph = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmGraph*>(top); found && found->isVisible()) graph = found;
    ASSERT_NE(graph, nullptr);
    graph->close();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, PrintsTheFormsWithTheFieldsOnScreen) {
    setReadings(1, {1.0f, 2.0f});
    setReadings(2, {1.5f});
    showFirstBlock();
    child<QLineEdit>("Text調査名")->setText(QStringLiteral("堤防"));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printer.pages.size(), 2u);
    bool named = false;
    for (const DrawnOp& text : printer.pages[0].texts()) named |= text.text == QStringLiteral("堤防");
    EXPECT_TRUE(named);
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(printer.finishes, 1);
}

TEST_F(MainWindowTest, GraphWindowStandsInForTheMainWindowUntilItCloses) {
    dialogs.expect(QStringLiteral("データが読込まれていません。"));
    window.mnuGraph->trigger();
    EXPECT_TRUE(window.isVisible());

    setReadings(1, {1.0f, 2.0f, 3.0f});
    setReadings(2, {0.5f, 1.0f});
    showFirstBlock();
    child<QLineEdit>("Text調査名")->setText(QStringLiteral("堤防"));
    window.mnuGraph->trigger();
    EXPECT_EQ(data.SurveyName[1], QStringLiteral("堤防"));
    EXPECT_FALSE(window.isVisible());
    frmGraph* graph = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmGraph*>(top); found && found->isVisible()) graph = found;
    ASSERT_NE(graph, nullptr);
    graph->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();

    // The window's own close control acts as 閉じる: the main window shows the block shown last.
    graph->close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(text("txtCBlock"), "2");
    EXPECT_EQ(cell(2, 1), "1.0");
}

TEST_F(MainWindowTest, ListingAndVersionWindow) {
    dialogs.expect(QStringLiteral("データが読込まれていません。"));
    window.mnuGrid->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.shown()[0].title.toStdString(), "データなし");

    window.mnuAbout->trigger();
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmAbout") && top->isVisible()) about = top;
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle().toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text().toStdString(), "Version 4.00");
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text().toStdString(),
              "テラコダイヤグラフ");
    EXPECT_EQ(about->pos(), QPoint(187, 200));
    about->close();
}

}  // namespace
