#include "app/jobdrawing.h"

#include "platform/gui/fonts.h"

JobDrawing::JobDrawing() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    installApplicationFonts();
}

JobDrawing::~JobDrawing() = default;
