// A session of the application for the recovery tests: the main window with its recovery journal in
// the state folder of XDG_STATE_HOME, as the program keeps it, driven through its windows.
//
//   journalsession SCENARIO FOLDER [ARGUMENT]
//
// readings N           types a survey name, then N readings into the grid
// import DEVICE        reads the counter on DEVICE and stops at the question that follows the import
// keys FILE            opens FILE and types letters into the survey name without end
// restore [FILE]       starts as the program does, restoring what the recovery question offers, and ends
//
// After each finished step it prints "step N", for readings and import after writing the data set's
// bytes to FOLDER/expected.txt; each message box is printed as "box TEXT". The first three wait to be
// killed; the last writes the data set to FOLDER/restored.txt, prints "file", "block" and "modified",
// and quits answering 保存しない.
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

#include "counter/counterlink.h"
#include "counter/portsetting.h"
#include "datafile/datafilewriter.h"
#include "datafile/savefile.h"
#include "diagram/displaysettings.h"
#include "mainwin/dropgrid.h"
#include "mainwin/frmMain.h"
#include "mainwin/mainapplication.h"
#include "model/testdata.h"
#include "platform/recoveryfolder.h"
#include "platform/serial/qtserialline.h"
#include "platform/settings.h"
#include "support/scriptedprinter.h"

namespace {

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// The answers of the boxes a scenario meets, by the start of their text; any other box ends the session.
class SessionDialogs : public Dialogs {
public:
    std::function<void()> afterImport;

    Answer message(const QString& text, Buttons, const QString&, Icon) override {
        say(QStringLiteral("box ") + QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\n")));
        if (text.startsWith(QStringLiteral("ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀをﾌｧｲﾙに保存します。")) && afterImport) {
            afterImport();
            for (;;) ::pause();
        }
        const std::pair<const char*, Answer> answers[] = {
            {"保存されないまま終了した作業のデータがあります。", Answer::Restore},
            {"ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀを取得する際", Answer::Yes},
            {"ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSW", Answer::Ok},
            {"ﾛｰﾀﾘｴﾝｺｰﾀﾞを回して", Answer::Ok},
            {"記録されたデータはすべて消去されますが", Answer::No},
            {"データが変更されています。終了する前に保存しますか？", Answer::Discard},
        };
        for (const auto& [start, answer] : answers)
            if (text.startsWith(QString::fromUtf8(start))) return answer;
        say(QStringLiteral("unexpected box"));
        std::_Exit(3);
    }
    std::optional<QString> openFileName(const FileFilter&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const std::vector<FileFilter>&) override { return std::nullopt; }
    std::optional<qint32> chooseColor(qint32) override { return std::nullopt; }
};

class Session {
public:
    explicit Session(const QString& folder)
        : folder_(folder),
          settings(folder + QStringLiteral("/settings.ini")),
          window({data, display, port, link, dialogs, settings, printer, &recovery}) {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window)) say(QStringLiteral("window not active"));
    }

    void finished(bool withBytes) {
        if (withBytes) SaveFileAtomically(folder_ + QStringLiteral("/expected.txt"), DataFileBytes(data));
        say(QStringLiteral("step %1").arg(++steps_));
    }

    void typeReading(int row, const QString& text) {
        DropGrid& grid = window.grid();
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, 0));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QLineEdit& surveyName() { return *window.findChild<QLineEdit*>(QStringLiteral("Text調査名")); }

    const QString folder_;
    int steps_ = 0;
    TestData data;
    DisplaySettings display;
    PortSetting port;
    CounterLink link{std::make_unique<QtSerialLine>()};
    SessionDialogs dialogs;
    IniSettings settings;
    ScriptedPrinter printer;
    RecoveryFolder recovery;
    frmMain window;
};

int waitToBeKilled() {
    for (;;) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    MainApplication::setUp();
    if (argc < 3) return 2;
    const QString scenario = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString argument = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QDir::setCurrent(folder);
    Session session(folder);
    const bool restore = scenario == QLatin1String("restore");
    session.window.commands().start(scenario == QLatin1String("keys") || restore ? argument : QString());
    if (scenario == QLatin1String("readings")) {
        session.surveyName().setFocus();
        QTest::keyClicks(&session.surveyName(), QStringLiteral("river"));
        const QStringList readings{QStringLiteral("12"), QStringLiteral("25"), QStringLiteral("31.5")};
        for (int row = 1; row <= std::min<int>(argument.toInt(), readings.size()); ++row) {
            session.typeReading(row, readings[row - 1]);
            session.finished(true);
        }
        return waitToBeKilled();
    }
    if (scenario == QLatin1String("import")) {
        session.port.sessionPort = PortSetting::Choice{0, argument};
        for (const char* name : {"Text調査名", "Text試験者名", "Text試験場所", "Ser_No", "txtYear"})
            session.window.findChild<QLineEdit*>(QString::fromUtf8(name))->setText(QStringLiteral("x"));
        session.dialogs.afterImport = [&session] { session.finished(true); };
        session.window.mnuInputData->trigger();
        return 1;  // the import never came
    }
    if (scenario == QLatin1String("keys")) {
        session.surveyName().setFocus();
        for (int key = 0;; ++key) {
            QTest::keyClick(&session.surveyName(), static_cast<char>('a' + key % 26));
            QApplication::processEvents();
            session.finished(false);
        }
    }
    if (!restore) return 2;
    SaveFileAtomically(folder + QStringLiteral("/restored.txt"), DataFileBytes(session.data));
    say(QStringLiteral("file ") + session.data.DataFileName);
    say(QStringLiteral("block %1").arg(session.data.CurBlock));
    say(QStringLiteral("modified %1").arg(session.data.Modified ? 1 : 0));
    session.window.close();
    say(QStringLiteral("end"));
    return 0;
}
