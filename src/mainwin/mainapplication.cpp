#include "mainwin/mainapplication.h"

#include "appicon/appicon.h"
#include "platform/serial/qtserialline.h"

MainApplication::MainApplication()
    : link_(std::make_unique<QtSerialLine>()),
      window_({data_, display_, port_, link_, dialogs_, settings_, printer_}) {
    dialogs_.setParent(&window_);
    printer_.setDialogParent(&window_);
    window_.setWindowIcon(applicationIcon());
}
