#include "mainwin/mainapplication.h"

#include <QApplication>

#include "appicon/appicon.h"
#include "platform/appinfo.h"
#include "platform/gui/appstyle.h"
#include "platform/gui/fonts.h"
#include "platform/gui/translations.h"
#include "platform/serial/qtserialline.h"

void MainApplication::setUp() {
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setDesktopFileName(AppInfo::desktopId());
    QApplication::setWindowIcon(applicationIcon());
    installApplicationStyle();
    installApplicationFonts();
    installJapaneseQtTexts();
}

MainApplication::MainApplication()
    : link_(std::make_unique<QtSerialLine>()),
      window_({data_, display_, port_, link_, dialogs_, settings_, printer_, &recovery_}) {
    dialogs_.setParent(&window_);
    printer_.setDialogParent(&window_);
}
