#pragma once

#include "counter/counterlink.h"
#include "counter/portsetting.h"
#include "diagram/displaysettings.h"
#include "mainwin/frmMain.h"
#include "model/testdata.h"
#include "platform/gui/qtdialogs.h"
#include "platform/print/qtprinter.h"
#include "platform/recoveryfolder.h"
#include "platform/settings.h"

// Everything the running application holds, each piece once: the data set, the display settings, the
// counter's port and its link on the system's serial line, the settings store, the dialogs, the folder of
// the recovery journals and the main window, made once the application object exists.
class MainApplication {
public:
    // Names the application and sets up its icon, style, fonts and Japanese texts; once, after the
    // application object exists and before a MainApplication is made.
    static void setUp();

    MainApplication();

    frmMain& window() { return window_; }
    // The counter's port for this run only, instead of the one in the settings.
    void setSessionPort(const PortSetting::Choice& port) { port_.sessionPort = port; }

private:
    TestData data_;
    DisplaySettings display_;
    PortSetting port_;
    IniSettings settings_;
    QtDialogs dialogs_;
    QtPrinter printer_;
    RecoveryFolder recovery_;
    CounterLink link_;
    frmMain window_;
};
