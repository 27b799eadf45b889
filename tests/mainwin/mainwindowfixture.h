#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <initializer_list>
#include <memory>

#include "counter/counterlink.h"
#include "counter/portsetting.h"
#include "diagram/displaysettings.h"
#include "mainwin/dropgrid.h"
#include "mainwin/frmMain.h"
#include "model/testdata.h"
#include "platform/serial/qtserialline.h"
#include "platform/settings.h"
#include "support/scripteddialogs.h"
#include "support/scriptedprinter.h"

// The main window, shown and active, over a fresh data set, scripted dialogs, an empty settings file
// and a counter link on the system's serial line.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest()
        : settings(settingsPath()), window({data, display, port, link, dialogs, settings, printer}) {
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString settingsPath() const { return folder.filePath(QStringLiteral("settings.ini")); }

    // Block `block` holds these readings (blocks up to it exist); the first block is shown.
    void setReadings(int block, std::initializer_list<float> readings) {
        int drop = 0;
        for (float reading : readings) data.Measure[block][++drop] = reading;
        data.DropCount[block] = static_cast<qint16>(drop);
        data.BlockCount = std::max<qint16>(data.BlockCount, static_cast<qint16>(block));
    }
    void showFirstBlock() {
        window.commands().blocks.DispData(1);
        window.commands().entry.RefreshGrid();
    }

    DropGrid& grid() { return window.grid(); }
    // The caption as the window system shows it: with an asterisk while there are unsaved changes.
    QString caption() const { return window.windowHandle()->title(); }
    QWidget* focused() const { return QApplication::focusWidget(); }
    template <typename T>
    T* child(const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }

    // Fills the five survey fields the counter read asks for.
    void fillSurveyFields() {
        child<QLineEdit>("Text調査名")->setText(QStringLiteral("河川敷"));
        child<QLineEdit>("Text試験者名")->setText(QStringLiteral("佐藤"));
        child<QLineEdit>("Text試験場所")->setText(QStringLiteral("右岸"));
        child<QLineEdit>("Ser_No")->setText(QStringLiteral("3"));
        child<QLineEdit>("txtYear")->setText(QStringLiteral("2026"));
    }

    // Clicks the cell of drop `row`, column 1 (reading) or 2 (penetration).
    void clickCell(int row, int column = 1) {
        const QRect cell = grid().visualRect(grid().model()->index(row - 1, column - 1));
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cell.center());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(focused(), key, modifiers);
    }
    // Types the text key by key into whatever has the focus, as a user does.
    void type(const QString& text) {
        for (QChar c : text) QTest::keyClick(focused(), c.toLatin1());
    }
    void typeReading(int row, const QString& text, Qt::Key finish = Qt::Key_Return) {
        clickCell(row);
        type(text);
        press(finish);
    }

    std::vector<float> readings(int block = 1) const {
        return {data.Measure[block].begin() + 1, data.Measure[block].begin() + 1 + data.DropCount[block]};
    }
    std::string cell(int row, int column) { return grid().cellText(row, column).toStdString(); }
    std::string text(const char* name) { return child<QLineEdit>(name)->text().toStdString(); }

    QTemporaryDir folder;
    TestData data;
    DisplaySettings display;
    PortSetting port;
    CounterLink link{std::make_unique<QtSerialLine>()};
    ScriptedDialogs dialogs;
    IniSettings settings;
    ScriptedPrinter printer;
    frmMain window;
};
