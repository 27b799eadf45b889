#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "diagram/displaysettings.h"
#include "diagram/gui/diagrampanel.h"
#include "diagram/gui/frmGraph.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/settings.h"
#include "print/printprogress.h"
#include "support/recordingsurface.h"
#include "support/scripteddialogs.h"
#include "support/scriptedprinter.h"

namespace {

struct PrintBar : ProgressSink {
    void setProgress(int) override {}
};

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

const QString Password = QStringLiteral("TARNWELD");

// The graph window over four blocks of readings, block 1 shown.
class GraphWindowTest : public testing::Test {
protected:
    GraphWindowTest() {
        const float penetrations[] = {6.0f, 1.2f, 0.6f, 0.9f, 2.5f, 0.4f, 1.6f, 0.8f};
        for (int block = 1; block <= 4; ++block) {
            float depth = 0;
            for (int drop = 1; drop <= 40; ++drop) {
                depth += penetrations[(drop + block) % 8];
                data.Measure[block][drop] = depth;
            }
            data.DropCount[block] = 40;
        }
        data.BlockCount = 4;
        data.CurBlock = 1;
        open();
    }
    ~GraphWindowTest() override { delete graph.data(); }

    void open() {
        graph = new frmGraph({data, display, dialogs, printer});
        graph->show();
        QApplication::setActiveWindow(graph);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(graph));
    }
    void reopen() {
        graph->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(graph.isNull());
        open();
    }

    template <typename T>
    T* child(const char* name) const {
        T* found = graph->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QCheckBox* box(const char* name) const { return child<QCheckBox>(name); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    DiagramPanel& panel() const { return *child<DiagramPanel>("Picture1"); }
    std::optional<FillChoice> fill() const {
        if (!panel().fill()) return std::nullopt;
        return panel().fill()->choice;
    }

    // Types the text into the log-on window, opened through 特殊機能, and presses OK.
    void logOn(const QString& typed) {
        graph->mnuGGT->trigger();
        auto* login = graph->findChild<QDialog*>(QStringLiteral("frmLogin"));
        ASSERT_NE(login, nullptr);
        ASSERT_TRUE(login->isVisible());
        auto* entry = login->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        entry->clear();
        QTest::keyClicks(entry, typed);
        QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }

    // Saves the window, or one of its dialogs, to a PNG file to be looked at.
    static void screenshot(QWidget& window, const char* name) {
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
        QDir().mkpath(folder);
        EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/%1.png").arg(QString::fromLatin1(name))));
    }

    TestData data;
    DisplaySettings display;
    ScriptedDialogs dialogs;
    ScriptedPrinter printer;
    QPointer<frmGraph> graph;
};

TEST_F(GraphWindowTest, ShowsTheOutlineWithoutTheOptionsOutsideGGTMode) {
    EXPECT_EQ(graph->windowTitle(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ｸﾞﾗﾌ表示"));
    EXPECT_EQ(panel().size(), QSize(263, 382));
    EXPECT_EQ(child<QLineEdit>("txtCBlock")->text(), "1");
    for (const char* name : {"Frame1", "Frame2", "cmdReDraw", "cmdChangeColor", "cmdGraph"})
        EXPECT_FALSE(child<QWidget>(name)->isVisible()) << name;
    EXPECT_FALSE(fill());
    screenshot(*graph, "frmGraph");

    data.DataFileName = QStringLiteral("/data/site.dat");
    reopen();
    EXPECT_EQ(graph->windowTitle(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ｸﾞﾗﾌ表示 [/data/site.dat]"));
}

TEST_F(GraphWindowTest, StepsThroughTheBlocksAndRefusesToStepPastTheEnds) {
    struct Step {
        const char* button;  // or nullptr: type `typed` into the number box and press `key`
        const char* typed;
        Qt::Key key;
        int block;
        const char* message;
    };
    const Step steps[] = {
        {"cmdPrv", nullptr, Qt::Key_unknown, 1, "これより前のブロックはありません。"},
        {"cmdNext", nullptr, Qt::Key_unknown, 2, nullptr},
        {"cmdEnd", nullptr, Qt::Key_unknown, 4, nullptr},
        {"cmdNext", nullptr, Qt::Key_unknown, 4, "これより先のブロックはありません。"},
        {"cmdBeg", nullptr, Qt::Key_unknown, 1, nullptr},
        {nullptr, "9", Qt::Key_Return, 4, nullptr},
        {nullptr, "0", Qt::Key_Return, 1, nullptr},
        {nullptr, "3", Qt::Key_Up, 3, nullptr},
        {nullptr, "-3", Qt::Key_Down, 1, nullptr},
        {nullptr, "2.5", Qt::Key_Enter, 2, nullptr},
        {nullptr, "3.5", Qt::Key_Return, 4, nullptr},
        {nullptr, "abc", Qt::Key_Return, 1, nullptr},
    };
    QLineEdit* number = child<QLineEdit>("txtCBlock");
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button ? step.button : step.typed);
        if (step.message) dialogs.expect(QString::fromUtf8(step.message));
        if (step.button) {
            click(step.button);
        } else {
            number->selectAll();
            QTest::keyClicks(number, QString::fromUtf8(step.typed));
            QTest::keyClick(number, step.key);
        }
        EXPECT_EQ(data.CurBlock, step.block);
        EXPECT_EQ(number->text(), QString::number(step.block));  // the Enter key leaves no trace
        EXPECT_TRUE(dialogs.allAnswered());
    }
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().front().buttons, Buttons::Ok);

    data.BlockCount = 1;
    data.CurBlock = 1;
    dialogs.expect(QStringLiteral("これより先のブロックはありません。"));
    dialogs.expect(QStringLiteral("これより前のブロックはありません。"));
    click("cmdNext");
    click("cmdPrv");
    EXPECT_EQ(data.CurBlock, 1);
}

TEST_F(GraphWindowTest, LogsOnWithTheExactPasswordOnlyAndOffOnRequest) {
    data.Measure[1][0] = 2.0f;
    for (const QString& wrong : {QStringLiteral("tarnweld"), QStringLiteral("TARNWELD ")}) {
        SCOPED_TRACE(wrong.toStdString());
        dialogs.expect(QStringLiteral("ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !"));
        logOn(wrong);
        auto* entry = graph->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        EXPECT_EQ(entry->selectedText(), wrong);
        EXPECT_EQ(entry->displayText(), QString(wrong.size(), QLatin1Char('*')));
        EXPECT_EQ(display.GGTMode, 0);
        EXPECT_EQ(dialogs.shown().back().title, QStringLiteral("ﾛｸﾞｵﾝ"));
    }
    auto* login = graph->findChild<QDialog*>(QStringLiteral("frmLogin"));
    EXPECT_EQ(login->windowTitle(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾛｸﾞｵﾝ"));
    screenshot(*login, "frmLogin");

    logOn(Password);
    EXPECT_EQ(display.GGTMode, -1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(graph->findChild<QDialog*>(QStringLiteral("frmLogin")), nullptr);
    for (const char* name : {"Frame1", "Frame2", "cmdReDraw", "cmdChangeColor", "cmdGraph"})
        EXPECT_TRUE(child<QWidget>(name)->isVisible()) << name;
    // With neither display switch set, colour display comes on with the 5-colour grouping.
    EXPECT_TRUE(box("chkColor")->isChecked());
    EXPECT_TRUE(box("chk5Colors")->isChecked());
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::FiveColors, 1}));
    EXPECT_EQ(data.Measure[1][0], 0.0f);
    // The panel's own paint draws the fill, so that it survives being covered.
    EXPECT_TRUE(panel().grab().toImage().pixelColor(60, 78) == QColor(Qt::cyan));
    screenshot(*graph, "frmGraph-GGT-colour");

    box("chk3Colors")->click();
    const QString question =
        QStringLiteral("パスワード認証はすでに完了しています。GGTモードから抜けますか？");
    dialogs.expect(question, Answer::No);
    graph->mnuGGT->trigger();
    EXPECT_EQ(display.GGTMode, -1);
    dialogs.expect(question, Answer::Yes);
    graph->mnuGGT->trigger();
    EXPECT_EQ(dialogs.shown().back().title, QStringLiteral("GGTﾓｰﾄﾞ･ﾛｸﾞｵﾌ"));
    EXPECT_EQ(display.GGTMode, 0);
    EXPECT_FALSE(fill());
    EXPECT_FALSE(child<QWidget>("Frame2")->isVisible());

    logOn(Password);
    EXPECT_TRUE(box("chk3Colors")->isChecked());
    EXPECT_FALSE(box("chk5Colors")->isChecked());
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::ThreeColors, 1}));
}

TEST_F(GraphWindowTest, DisplaySwitchesFormAPairAndGroupingsExcludeEachOther) {
    display.GGTMode = -1;
    reopen();
    EXPECT_TRUE(box("chkColor")->isChecked());
    box("chkColor")->click();
    EXPECT_TRUE(box("chkMono")->isChecked());
    EXPECT_EQ(display.ShowMono, 1);
    EXPECT_EQ(display.ShowColor, 0);
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::FiveColors, 0}));
    screenshot(*graph, "frmGraph-GGT-grey");
    box("chkMono")->click();
    EXPECT_TRUE(box("chkColor")->isChecked());
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::FiveColors, 1}));

    box("chk3Colors")->click();
    EXPECT_FALSE(box("chk5Colors")->isChecked());
    EXPECT_FALSE(box("chk2Colors")->isChecked());
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::ThreeColors, 1}));
    // Turning the grouping off redraws nothing; the next fill without a grouping takes the
    // surface's colour.
    box("chk3Colors")->click();
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::ThreeColors, 1}));
    RecordingSurface printer(16000, 11000);
    printer.setDrawColor(0x445566);
    PrintBar bar;
    PrintProgress progress(bar);
    NoEvents events;
    graph->DrawGGT(printer, 0, progress, events);
    ASSERT_EQ(printer.boxes().size(), 40u);
    for (const DrawnOp& box : printer.boxes()) EXPECT_EQ(box.color, 0x445566);
    EXPECT_EQ(progress.ProgressBase, 40);
}

TEST_F(GraphWindowTest, ClosingKeepsTheSevenBoxesForTheNextOpening) {
    display.GGTMode = -1;
    reopen();
    for (const char* name : {"chkColor", "chk2Colors", "chkJHS", "chk○"}) box(name)->click();
    reopen();
    EXPECT_EQ((std::array{display.ShowMono, display.ShowColor, display.Show2Colors, display.Show3Colors,
                          display.Show5Colors, display.ShowJHS, display.ShowMarks}),
              (std::array<qint16, 7>{1, 0, 1, 0, 0, 1, 0}));
    EXPECT_TRUE(box("chkMono")->isChecked());
    EXPECT_TRUE(box("chk2Colors")->isChecked());
    EXPECT_TRUE(box("chkJHS")->isChecked());
    EXPECT_FALSE(box("chk○")->isChecked());
    EXPECT_EQ(fill(), (FillChoice{FillGrouping::TwoColors, 0}));

    // Outside GGT mode the boxes are kept as they were saved.
    display.GGTMode = 0;
    reopen();
    reopen();
    EXPECT_EQ(display.Show2Colors, 1);
    EXPECT_EQ(display.ShowMarks, 0);
    EXPECT_FALSE(fill());
}

TEST_F(GraphWindowTest, PrintsFormsWithTheFillItsSwitchesChooseAndSheetsInGGTMode) {
    const auto textsOf = [](const RecordedPage& page) {
        QStringList texts;
        for (const DrawnOp& text : page.texts()) texts << text.text;
        return texts;
    };
    // Outside GGT mode: the plain form, from the shown block on.
    data.CurBlock = 3;
    click("cmdPrints");
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_TRUE(printer.pages[0].boxes().empty());
    EXPECT_FALSE(textsOf(printer.pages[0]).contains(QStringLiteral("JHS 604")));
    EXPECT_EQ(data.CurBlock, 3);

    // In GGT mode the boxes as they are now decide: grey fill, JHS header.
    display.GGTMode = -1;
    reopen();
    box("chkMono")->click();
    box("chkJHS")->click();
    printer.pages.clear();
    graph->mnuPrint->trigger();
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_TRUE(textsOf(printer.pages[0]).contains(QStringLiteral("JHS 604")));
    ASSERT_FALSE(printer.pages[0].boxes().empty());
    EXPECT_EQ(printer.pages[0].boxes().front().color, display.Mono[4]);  // block 3 starts with 2.5 cm

    graph->mnuPreview->trigger();
    EXPECT_EQ(printer.previews, 1);
    EXPECT_EQ(printer.pages.size(), 4u);

    printer.pages.clear();
    printer.chosenOrientation = Orientation::Landscape;
    click("cmdGraph");
    ASSERT_EQ(printer.pages.size(), 2u);  // blocks 3 and 4: the first sheet and the left slot of the next
    EXPECT_TRUE(textsOf(printer.pages[0]).contains(QStringLiteral("グラフの凡例")));
}

TEST_F(GraphWindowTest, CopiesAndSavesThePanelsPicture) {
    // Ctrl+C copies the diagram, also from the block-number box.
    QGuiApplication::clipboard()->clear();
    child<QLineEdit>("txtCBlock")->setFocus();
    QTest::keyClick(child<QLineEdit>("txtCBlock"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), panel().size());

    QTemporaryDir folder;
    const struct {
        const char* name;
        QByteArray signature;
    } files[] = {{"diagram.bmp", "BM"}, {"diagram.png", "\x89PNG"}, {"diagram", "BM"}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const QString path = folder.filePath(QString::fromLatin1(file.name));
        dialogs.expectSaveFile(path);
        graph->mnuFileOut->trigger();
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(file.signature));
    }
    const ShownFileDialog& dialog = dialogs.shownFileDialogs().back();
    ASSERT_EQ(dialog.filters.size(), 2u);
    EXPECT_EQ(dialog.filters[0].label, QStringLiteral("すべてのﾌｧｲﾙ (*.bmp)"));
    EXPECT_EQ(dialog.filters[0].pattern, QStringLiteral("*.bmp"));

    dialogs.expectSaveFile(std::nullopt);
    graph->mnuFileOut->trigger();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);

    // A file that is there is replaced only once the user agrees.
    const QString existing = folder.filePath(QStringLiteral("diagram.png"));
    const QString replace =
        QStringLiteral("ファイル%1は既にあります。置き換えてもよろしいですか？").arg(existing);
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        QFile(existing).resize(4);
        dialogs.expectSaveFile(existing);
        dialogs.expect(replace, answer);
        graph->mnuFileOut->trigger();
        EXPECT_EQ(QFileInfo(existing).size() > 4, answer == Answer::Yes);
    }
    EXPECT_EQ(dialogs.shown().back().buttons, Buttons::YesNoDefaultNo);

    const QString blocked = folder.filePath(QStringLiteral("diagram.bmp/x.bmp"));
    dialogs.expectSaveFile(blocked);
    dialogs.expect(
        QStringLiteral("ファイル%1に保存できませんでした。\n(パスの途中にフォルダーでないものがあります)\n"
                       "ファイルは変更されていません。")
            .arg(blocked));
    graph->mnuFileOut->trigger();
}

TEST_F(GraphWindowTest, ColourDialogEditsTheShownSetAndSaysWhetherToRedraw) {
    display.GGTMode = -1;
    reopen();
    box("chkColor")->click();  // grey display
    click("cmdChangeColor");
    auto* colours = graph->findChild<QDialog*>(QStringLiteral("frmColors"));
    ASSERT_NE(colours, nullptr);
    EXPECT_EQ(colours->windowTitle(), QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･表示色の設定"));
    auto* set = colours->findChild<QComboBox*>(QStringLiteral("cmbCol"));
    EXPECT_EQ(set->currentText(), QStringLiteral("5色(モノクロ)"));
    screenshot(*colours, "frmColors");
    const auto clickField = [&](const char* name, std::optional<qint32> chosen) {
        dialogs.expectColor(chosen);
        QTest::mouseClick(colours->findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
    };

    clickField("lblField3", 0x112233);
    clickField("picField3", std::nullopt);  // cancelled: the field keeps its value
    EXPECT_EQ(display.Mono[3], 0x112233);
    // The dialog opens on the field's colour.
    EXPECT_EQ(dialogs.shownColours(), (std::vector<qint32>{DisplaySettings::DefaultMono[3], 0x112233}));
    EXPECT_EQ(display.Color[3], DisplaySettings::DefaultColor[3]);
    set->setCurrentIndex(0);
    clickField("picField1", 0);  // black
    EXPECT_EQ(colours->findChild<QLabel*>(QStringLiteral("picField1"))->palette().window().color(),
              QColor(Qt::black));
    set->setCurrentIndex(1);
    QTest::mouseClick(colours->findChild<QPushButton*>(QStringLiteral("cmdReset")), Qt::LeftButton);
    EXPECT_EQ(display.Mono, DisplaySettings::DefaultMono);
    EXPECT_EQ(display.Color[1], 0);
    QTest::mouseClick(colours->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>("cmdReDraw")->isEnabled());

    // A second opening without edits: OK disables 再表示 again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("cmdChangeColor");
    colours = graph->findChild<QDialog*>(QStringLiteral("frmColors"));
    QTest::mouseClick(colours->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("cmdReDraw")->isEnabled());

    // The chosen black survives a store and a load.
    QTemporaryDir folder;
    IniSettings stored(folder.filePath(QStringLiteral("settings.ini")));
    display.save(stored);
    DisplaySettings loaded;
    loaded.load(stored);
    EXPECT_EQ(loaded.Color[1], 0);
}

}  // namespace
