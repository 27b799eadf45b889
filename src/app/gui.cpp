#include "app/gui.h"

#include <QApplication>

#include "app/counterjobsteps.h"
#include "app/jobmessages.h"
#include "counter/portsetting.h"
#include "mainwin/mainapplication.h"

namespace {

// Without a chosen platform plugin Qt needs an X11 or Wayland display and aborts when there is none.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int startGui(int argc, char* argv[], const GuiOptions& options) {
    if (!displayAvailable()) {
        printJobMessage(QStringLiteral(
            "ウィンドウを開くディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）。\n"
            "デスクトップのセッションから、または ssh の X 転送（ssh -X）で起動してください。"));
        return 1;
    }
    // --port means what it means for the counter jobs: a number, a device name or a device path.
    PortSetting port;
    if (!options.device.isEmpty())
        if (const std::optional<Failure> refusal = parsePortArgument(options.device, port))
            return jobExit(refusal);

    QApplication application(argc, argv);
    MainApplication::setUp();

    MainApplication main;
    if (port.sessionPort) main.setSessionPort(*port.sessionPort);
    main.window().show();
    main.window().commands().start(options.file);
    return QApplication::exec();
}
