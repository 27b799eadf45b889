#pragma once

#include <memory>

#include "mainwin/frmMain.h"
#include "model/testdata.h"
#include "platform/gui/qtdialogs.h"
#include "platform/settings.h"

// Everything the running application holds: the data set, the settings store, the dialogs and the
// main window, made once the application object exists.
class MainApplication {
public:
    MainApplication();

    frmMain& window() { return window_; }

private:
    TestData data_;
    IniSettings settings_;
    QtDialogs dialogs_;
    frmMain window_;
};
