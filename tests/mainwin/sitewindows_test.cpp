// The site as a whole: the summary table, the diagrams at a glance and the CSV export.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>

#include "diagram/gui/frmGraph.h"
#include "diagram/sitecsv.h"
#include "mainwin/frmGlance.h"
#include "mainwin/frmReport.h"
#include "mainwin/frmSummary.h"
#include "mainwindowfixture.h"

namespace {

class SiteWindowsTest : public MainWindowTest {
protected:
    SiteWindowsTest() {
        setReadings(1, {0.5f, 1.0f, 1.5f});
        setReadings(2, {2.0f, 4.0f, 7.0f, 12.0f});
        setReadings(3, {0.3f});
        data.PointNo[2] = QStringLiteral("12");
        showFirstBlock();
    }
    template <typename T>
    T* topLevel() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(top); found && found->isVisible()) return found;
        return nullptr;
    }
    QByteArray fileBytes(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
};

TEST_F(SiteWindowsTest, SummarySortsCopiesExportsAndFollowsEdits) {
    window.mnuSummary->trigger();
    auto* summary = topLevel<frmSummary>();
    ASSERT_NE(summary, nullptr);
    QTableView& table = *summary->findChild<QTableView*>(QStringLiteral("grdSummary"));
    ASSERT_EQ(table.model()->rowCount(), 3);
    table.sortByColumn(5, Qt::DescendingOrder);  // depth reached
    EXPECT_EQ(table.model()->index(0, 0).data().toString(), "2");
    EXPECT_EQ(table.model()->index(0, 1).data().toString(), "12");

    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ブロック\t番号No.\t調査名")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2\t12\t")));

    // An edit in the main window shows at once.
    typeReading(4, QStringLiteral("2.0"));
    EXPECT_EQ(table.model()->index(1, 0).data().toString(), "1");  // deeper now than block 3
    EXPECT_EQ(table.model()->index(1, 4).data().toString(), "4");

    const QString csv = folder.filePath(QStringLiteral("summary.csv"));
    dialogs.expectSaveFile(csv);
    summary->findChild<QPushButton*>(QStringLiteral("cmdCsv"))->click();
    EXPECT_EQ(fileBytes(csv), SummaryCsv(data));

    // A double click shows the block in the main window.
    const QRect cell = table.visualRect(table.model()->index(0, 2));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(text("txtCBlock"), "2");
    summary->close();
}

TEST_F(SiteWindowsTest, GlanceShowsEveryBlockAndExportsThePicture) {
    window.mnuGlance->trigger();
    auto* glance = topLevel<frmGlance>();
    ASSERT_NE(glance, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(glance));
    EXPECT_EQ(glance->findChild<QLabel*>(QStringLiteral("title2"))->text(),
              QStringLiteral("ブロック 2  No.12"));
    QWidget* tile = glance->findChild<QWidget*>(QStringLiteral("tile3"));
    ASSERT_NE(tile, nullptr);
    QTest::mouseClick(tile, Qt::LeftButton);
    EXPECT_EQ(data.CurBlock, 3);

    const QString screens = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
    QDir().mkpath(screens);
    EXPECT_TRUE(glance->sheet().grab().save(screens + QStringLiteral("/frmGlance.png")));
    const QString png = folder.filePath(QStringLiteral("site.png"));
    dialogs.expectSaveFile(png);
    glance->findChild<QPushButton*>(QStringLiteral("cmdPng"))->click();
    EXPECT_TRUE(fileBytes(png).startsWith("\x89PNG"));

    // The main window's CSV export writes every drop.
    const QString csv = folder.filePath(QStringLiteral("drops.csv"));
    dialogs.expectSaveFile(csv);
    window.mnuCsv->trigger();
    EXPECT_EQ(fileBytes(csv), DropsCsv(data));
    glance->close();
}

// Both site windows follow every change at once, their captions too.
TEST_F(SiteWindowsTest, GlanceAndSummaryFollowEveryChangeAndTheFileName) {
    window.mnuSummary->trigger();
    window.mnuGlance->trigger();
    auto* summary = topLevel<frmSummary>();
    auto* glance = topLevel<frmGlance>();
    ASSERT_TRUE(summary && glance);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(glance));
    // What the window shows on screen, not a fresh drawing.
    const auto shown = [glance] {
        QTest::qWait(50);
        return glance->screen()->grabWindow(glance->winId()).toImage();
    };
    const QImage before = shown();

    QApplication::setActiveWindow(&window);
    typeReading(4, QStringLiteral("9"));
    EXPECT_NE(shown(), before);
    child<QLineEdit>("Ser_No")->setText(QStringLiteral("7"));
    EXPECT_EQ(glance->findChild<QLabel*>(QStringLiteral("title1"))->text(),
              QStringLiteral("ブロック 1  No.7"));

    const QString path = folder.filePath(QStringLiteral("site.txt"));
    dialogs.expectSaveFile(path);
    window.mnuSaveName->trigger();
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･集計 [%1]").arg(path));
    EXPECT_EQ(glance->windowTitle(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･一覧グラフ [%1]").arg(path));
}

// While the graph window is open nothing else chooses the block: the site windows go away with the main
// window and come back with it, and there is only ever one graph window, naming the block it draws.
TEST_F(SiteWindowsTest, TheGraphWindowHoldsTheSiteWindowsAndIsTheOnlyOne) {
    window.mnuSummary->trigger();
    window.mnuGlance->trigger();
    auto* summary = topLevel<frmSummary>();
    auto* glance = topLevel<frmGlance>();
    ASSERT_TRUE(summary && glance);
    window.mnuGraph->trigger();
    window.mnuGraph->trigger();
    int graphs = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) graphs += qobject_cast<frmGraph*>(top) ? 1 : 0;
    EXPECT_EQ(graphs, 1);
    auto* graph = topLevel<frmGraph>();
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(summary->isVisible());
    EXPECT_FALSE(glance->isVisible());
    EXPECT_FALSE(window.isVisible());

    emit glance->blockChosen(3);  // as a click would, had the window stayed
    graph->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
    EXPECT_EQ(data.CurBlock, 2);
    EXPECT_EQ(graph->findChild<QLineEdit*>(QStringLiteral("txtCBlock"))->text().toStdString(), "2");
    const QString screens = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
    QDir().mkpath(screens);
    EXPECT_TRUE(graph->grab().save(screens + QStringLiteral("/frmGraph-held.png")));

    graph->close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(summary->isVisible());
    EXPECT_TRUE(glance->isVisible());
    EXPECT_EQ(text("txtCBlock"), "2");
}

// 報告書出力: the rule comes from the settings and goes back there once used; a value that cannot be
// used is refused by name; the preview shows the pages of both orientations, and its print button
// prints them; PDF出力 writes the report.
TEST_F(SiteWindowsTest, ReportDialogPreviewsAndWritesThePdfWithTheRuleKept) {
    settings.setValue(QStringLiteral("ReportTarget"), QStringLiteral("1"));
    window.mnuReport->trigger();
    auto* report = topLevel<frmReport>();
    ASSERT_NE(report, nullptr);
    const auto field = [report](const char* name) {
        return report->findChild<QLineEdit*>(QString::fromUtf8(name));
    };
    const auto button = [report](const char* name) {
        return report->findChild<QPushButton*>(QString::fromUtf8(name));
    };
    EXPECT_EQ(field("txtHard")->text(), "0.7");
    EXPECT_EQ(field("txtTarget")->text(), "1");
    EXPECT_EQ(report->findChild<QSpinBox*>(QStringLiteral("spnTo"))->value(), 3);
    const QString screens = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
    QDir().mkpath(screens);
    EXPECT_TRUE(report->grab().save(screens + QStringLiteral("/frmReport.png")));

    struct Refusal {
        const char* hard;
        const char* target;
        const char* message;
    };
    for (const Refusal& r :
         {Refusal{"0", "", "硬さの限界「0」は使えません。0 より大きい数を入力してください。"},
          Refusal{"0.7", "-2",
                  "目標深さ「-2」は使えません。0 より大きい数を入力するか、空欄にしてください。"}}) {
        field("txtHard")->setText(QString::fromUtf8(r.hard));
        field("txtTarget")->setText(QString::fromUtf8(r.target));
        dialogs.expect(QString::fromUtf8(r.message));
        button("cmdPdf")->click();
    }
    EXPECT_EQ(settings.value(QStringLiteral("ReportTarget")), "1");

    field("txtHard")->setText(QStringLiteral("1.0"));
    field("txtTarget")->setText(QStringLiteral("1.2"));
    report->findChild<QCheckBox*>(QStringLiteral("chkForms"))->setChecked(false);
    button("cmdPreview")->click();
    EXPECT_EQ(printer.previews, 1);
    ASSERT_EQ(printer.pages.size(), 4u);  // cover, table, glance, profile
    EXPECT_LT(printer.pages[0].width(), printer.pages[0].height());
    EXPECT_GT(printer.pages[1].width(), printer.pages[1].height());
    EXPECT_EQ(settings.value(QStringLiteral("ReportHardLimit")), "1");
    EXPECT_EQ(settings.value(QStringLiteral("ReportTarget")), "1.2");
    // The preview's print button prints the report as shown.
    printer.printFromPreview = true;
    button("cmdPreview")->click();
    ASSERT_EQ(printer.pages.size(), 12u);
    EXPECT_EQ(printer.documents.back(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ 報告書 4/4"));

    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    dialogs.expectSaveFile(pdf);
    button("cmdPdf")->click();
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF"));
    EXPECT_FALSE(report->isVisible());
    EXPECT_TRUE(dialogs.allAnswered());
}

}  // namespace
