#include <gtest/gtest.h>

#include <QApplication>

#include "platform/appinfo.h"
#include "platform/gui/appstyle.h"
#include "platform/gui/fonts.h"

// GoogleTest main for widget tests: one application object for the whole binary, set up as the
// application sets itself up.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    installApplicationStyle();
    installApplicationFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
