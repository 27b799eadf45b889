#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "platform/gui/paintersurface.h"

namespace {

QImage whiteImage(int dotsPerInch, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    return image;
}

bool isWhite(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::white);
}

TEST(PainterSurface, LinesLandOnTheDevicePixelsOfTheResolution) {
    struct Case {
        int dotsPerInch;
        double twipsPerPixel;
    };
    for (const Case& c : {Case{96, 15}, Case{144, 10}}) {
        QImage image = whiteImage(c.dotsPerInch, 200, 200);
        {
            QPainter painter(&image);
            PainterSurface surface(painter);
            EXPECT_DOUBLE_EQ(surface.width(), 200 * c.twipsPerPixel);
            EXPECT_DOUBLE_EQ(surface.height(), 200 * c.twipsPerPixel);
            surface.setDrawColor(255);  // red in the low byte
            surface.line(10 * c.twipsPerPixel, 30 * c.twipsPerPixel, 100 * c.twipsPerPixel,
                         30 * c.twipsPerPixel);
            EXPECT_EQ(surface.currentX(), 100 * c.twipsPerPixel);
            surface.setLineWidth(3);
            surface.line(50 * c.twipsPerPixel, 100 * c.twipsPerPixel, 50 * c.twipsPerPixel,
                         150 * c.twipsPerPixel);
        }
        for (int x = 10; x <= 100; ++x)
            EXPECT_EQ(image.pixelColor(x, 30), QColor(Qt::red)) << c.dotsPerInch << " " << x;
        EXPECT_TRUE(isWhite(image, 9, 30));
        EXPECT_TRUE(isWhite(image, 101, 30));
        EXPECT_TRUE(isWhite(image, 50, 29));
        EXPECT_TRUE(isWhite(image, 50, 31));
        // Three device pixels wide, whatever the resolution.
        EXPECT_TRUE(isWhite(image, 48, 120));
        for (int x = 49; x <= 51; ++x) EXPECT_EQ(image.pixelColor(x, 120), QColor(Qt::red)) << x;
        EXPECT_TRUE(isWhite(image, 52, 120));
    }
}

TEST(PainterSurface, DottedLinesLeaveGaps) {
    QImage image = whiteImage(144, 200, 50);
    {
        QPainter painter(&image);
        PainterSurface surface(painter);
        surface.setLineStyle(LineStyle::Dot);
        surface.line(100, 200, 1900, 200);
    }
    int gaps = 0;
    for (int x = 10; x <= 190; ++x) gaps += isWhite(image, x, 20);
    EXPECT_GT(gaps, 40);
    EXPECT_LT(gaps, 150);
}

// Runs of (first, length) of the positions where `inked` holds.
std::vector<std::pair<int, int>> runsOf(int length, const std::function<bool(int)>& inked) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < length; ++i) {
        if (!inked(i)) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == i)
            ++runs.back().second;
        else
            runs.push_back({i, 1});
    }
    return runs;
}

// On paper a line width counts 1/600 inch and the dots of a dotted line keep their length, whatever
// the resolution: a line 5 wide is 12 twips thick, dots 15 twips long come every 45 twips.
TEST(PainterSurface, PaperKeepsLineWidthsAndDotsAtAnyResolution) {
    for (const int dotsPerInch : {300, 600, 1200}) {
        SCOPED_TRACE(dotsPerInch);
        const double twipsPerPixel = 1440.0 / dotsPerInch;
        QImage image = whiteImage(dotsPerInch, dotsPerInch, dotsPerInch / 2);  // 1 x 0.5 inch
        {
            QPainter painter(&image);
            PainterSurface surface(painter, DeviceScale::paper(dotsPerInch, dotsPerInch));
            surface.setLineWidth(5);
            surface.line(100, 200, 1300, 200);
            surface.setLineWidth(1);
            surface.setLineStyle(LineStyle::Dot);
            surface.line(100, 500, 1300, 500);
        }
        const auto lines = runsOf(image.height(), [&](int y) {
            for (int x = 0; x < image.width(); ++x)
                if (!isWhite(image, x, y)) return true;
            return false;
        });
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NEAR(lines[0].second * twipsPerPixel, 12, twipsPerPixel);
        EXPECT_NEAR(lines[1].second * twipsPerPixel, 2.4, twipsPerPixel);
        const auto dots = runsOf(image.width(), [&](int x) { return !isWhite(image, x, lines[1].first); });
        ASSERT_GT(dots.size(), 20u);
        const double period = (dots.back().first - dots.front().first) * twipsPerPixel / (dots.size() - 1);
        EXPECT_NEAR(period, 45, 1);
        EXPECT_NEAR(dots[1].second * twipsPerPixel, 15, twipsPerPixel);
    }
}

TEST(PainterSurface, BoxesFillWithTheDrawingColour) {
    QImage image = whiteImage(144, 100, 100);
    {
        QPainter painter(&image);
        PainterSurface surface(painter);
        surface.setDrawColor(0xFF0000);  // blue in the high byte
        surface.fillBox(400, 300, 100, 100);
    }
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(40, 30), QColor(Qt::blue));
    EXPECT_TRUE(isWhite(image, 41, 20));
    EXPECT_TRUE(isWhite(image, 20, 31));
}

TEST(PainterSurface, TextHangsBelowThePositionAndEndsTheLine) {
    QImage image = whiteImage(144, 200, 200);
    double lineEnd = 0;
    {
        QPainter painter(&image);
        PainterSurface surface(painter);
        surface.setFontName(QStringLiteral("ＭＳ 明朝"));
        surface.setFontSize(18);  // 36 pixels at 144 dpi
        surface.moveTo(300, 500);
        surface.printLine(QStringLiteral("深さ"));
        EXPECT_EQ(surface.currentX(), 0);
        lineEnd = surface.currentY();
        EXPECT_EQ(QFontInfo(painter.font()).family(), QString("IPAMincho"));
        EXPECT_EQ(painter.font().pixelSize(), 36);
    }
    int top = image.height(), bottom = -1, left = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image, x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    ASSERT_GE(bottom, 0) << "no text drawn";
    EXPECT_GE(top, 50);
    EXPECT_GE(left, 30);
    EXPECT_LT(left, 40);
    EXPECT_LE(bottom * 10, lineEnd);
    EXPECT_NEAR(lineEnd, 500 + 360, 80);
}

}  // namespace
