#include "mainwin/mainapplication.h"

#include "mainwin/appicon.h"

MainApplication::MainApplication() : window_(data_, dialogs_, settings_) {
    dialogs_.setParent(&window_);
    window_.setWindowIcon(applicationIcon());
}
