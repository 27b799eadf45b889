#include "app/gui.h"

#include <QApplication>
#include <cstdio>

#include "mainwin/mainapplication.h"
#include "platform/appinfo.h"
#include "platform/gui/fonts.h"
#include "platform/gui/translations.h"

namespace {

// Without a chosen platform plugin Qt needs an X11 or Wayland display and aborts when there is none.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int startGui(int argc, char* argv[], const GuiOptions& options) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "%s: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start it from a desktop session, or over ssh with X forwarding (ssh -X).\n",
                     qPrintable(AppInfo::programName()));
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    installApplicationFonts();
    installJapaneseQtTexts();

    MainApplication main;
    main.setSessionDevice(options.device);
    main.window().show();
    if (!options.file.isEmpty()) main.window().commands().files.openFile(options.file);
    return QApplication::exec();
}
