#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QProxyStyle>
#include <QStyle>

namespace {

// The test main installs the style as the application does: its standard icons, made before they
// are needed, are the platform style's own once painted.
TEST(ApplicationStyle, StandardIconsAreThePlatformStylesWhenPainted) {
    auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    for (const QStyle::StandardPixmap which : {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical,
                                               QStyle::SP_ToolBarHorizontalExtensionButton}) {
        const QIcon icon = style->standardIcon(which);
        const QIcon copy = icon;
        ASSERT_FALSE(copy.isNull()) << which;
        EXPECT_EQ(copy.pixmap(32, 32).toImage(),
                  style->baseStyle()->standardIcon(which).pixmap(32, 32).toImage())
            << which;
    }
}

}  // namespace
