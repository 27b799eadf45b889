#include "mainwin/frmMain.h"

#include "model/testdata.h"
#include "platform/dialogs.h"
#include "platform/gui/windowplacement.h"

frmMain::frmMain(TestData& data, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), data_(data), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ・ﾒｲﾝﾌﾚｰﾑ"));
    placeWindowFrame(*this, 0, 0, 9696, 6900);
}
