#include "mainwin/frmMain.h"

#include <gtest/gtest.h>

#include <QTest>

#include "model/testdata.h"
#include "support/scripteddialogs.h"

namespace {

TEST(frmMain, OpensAtTheTopLeftWithItsCaptionAndStartSize) {
    TestData data;
    ScriptedDialogs dialogs;
    frmMain window(data, dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(10);
    EXPECT_EQ(window.windowTitle().toStdString(), "ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ・ﾒｲﾝﾌﾚｰﾑ");
    EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 646, 460));  // 9696 × 6900 twips at 15 twips a pixel
}

}  // namespace
