#include <gtest/gtest.h>

#include "diagram/displaysettings.h"
#include "diagram/drawcolor.h"
#include "diagram/softnessclass.h"
#include "support/recordingsurface.h"

namespace {

TEST(SoftnessClasses, UpperBoundsBelongToTheirClassExcept4) {
    EXPECT_EQ(SoftnessClass(0.0), 1);
    EXPECT_EQ(SoftnessClass(0.7), 1);
    EXPECT_EQ(SoftnessClass(1.0), 2);
    EXPECT_EQ(SoftnessClass(1.5), 3);
    EXPECT_EQ(SoftnessClass(1.6), 4);
    EXPECT_EQ(SoftnessClass(3.99), 4);
    EXPECT_EQ(SoftnessClass(4.0), 5);
    EXPECT_EQ(SoftnessClass(12.0), 5);
}

TEST(SoftnessClasses, MarksAndLegendTexts) {
    const char* const marks[] = {"××", "×", "△", "○", "△"};
    const char* const legends[] = {"～ 0.7", "0.7 ～ 1.0", "1.0 ～ 1.5", "1.5 ～ 4.0", "4.0 ～"};
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(classMark(c), QString::fromUtf8(marks[c - 1])) << c;
        EXPECT_EQ(classLegend(c), QString::fromUtf8(legends[c - 1])) << c;
    }
}

TEST(DrawColor, SoftnessIsJudgedRoundedToOneDecimal) {
    EXPECT_EQ(SoftnessClass(DiffOf(1.74f, 1.0f)), 1);
    EXPECT_EQ(SoftnessClass(DiffOf(1.76f, 1.0f)), 2);
    EXPECT_EQ(SoftnessClass(DiffOf(2.04f, 1.0f)), 2);
    EXPECT_EQ(SoftnessClass(DiffOf(2.06f, 1.0f)), 3);
    EXPECT_DOUBLE_EQ(DiffOf(1.05f, 0.0f), 1.1);  // halves away from zero on the printed value
    EXPECT_DOUBLE_EQ(DiffOf(1.8f, 1.0f), 0.8);
}

TEST(DrawColor, GroupingsPickTheirSetEntries) {
    const DisplaySettings display;
    const auto color = [&](FillGrouping grouping, double softness) {
        return fillColor(display, grouping, 1, softness);
    };
    // Five colours: the classes.
    EXPECT_EQ(color(FillGrouping::FiveColors, 0.7), 255);
    EXPECT_EQ(color(FillGrouping::FiveColors, 1.0), 65535);
    EXPECT_EQ(color(FillGrouping::FiveColors, 1.5), 33023);
    EXPECT_EQ(color(FillGrouping::FiveColors, 3.9), 65280);
    EXPECT_EQ(color(FillGrouping::FiveColors, 4.0), 16776960);
    // Three colours: 0.5 / 0.7 / 1.0, harder drops white.
    EXPECT_EQ(color(FillGrouping::ThreeColors, 0.5), 255);
    EXPECT_EQ(color(FillGrouping::ThreeColors, 0.6), 65535);
    EXPECT_EQ(color(FillGrouping::ThreeColors, 0.7), 65535);
    EXPECT_EQ(color(FillGrouping::ThreeColors, 1.0), 33023);
    EXPECT_EQ(color(FillGrouping::ThreeColors, 1.1), 16777215);
    // Two colours: 0.7 / 1.0.
    EXPECT_EQ(color(FillGrouping::TwoColors, 0.5), 255);
    EXPECT_EQ(color(FillGrouping::TwoColors, 0.7), 255);
    EXPECT_EQ(color(FillGrouping::TwoColors, 0.8), 65535);
    EXPECT_EQ(color(FillGrouping::TwoColors, 1.05), 16777215);
    EXPECT_EQ(color(FillGrouping::TwoColors, 6.0), 16777215);
}

TEST(DrawColor, MonoColChoosesTheSet) {
    DisplaySettings display;
    display.Mono[2] = 0x123456;
    EXPECT_EQ(fillColor(display, FillGrouping::FiveColors, 0, 0.3), 14737632);
    EXPECT_EQ(fillColor(display, FillGrouping::FiveColors, 0, 0.9), 0x123456);
    EXPECT_EQ(fillColor(display, FillGrouping::FiveColors, 0, 4.5), 0);
    EXPECT_EQ(fillColor(display, FillGrouping::FiveColors, 2, 0.3), std::nullopt);
    EXPECT_EQ(fillColor(display, FillGrouping::None, 1, 0.3), std::nullopt);

    EXPECT_EQ(MonoColOf(true, true), 0);
    EXPECT_EQ(MonoColOf(false, true), 1);
    EXPECT_EQ(MonoColOf(false, false), 0);
}

TEST(DrawColor, BoxesAreReadFiveThenThreeThenTwo) {
    EXPECT_EQ(chosenGrouping(true, true, true), FillGrouping::FiveColors);
    EXPECT_EQ(chosenGrouping(false, true, true), FillGrouping::ThreeColors);
    EXPECT_EQ(chosenGrouping(false, false, true), FillGrouping::TwoColors);
    EXPECT_EQ(chosenGrouping(false, false, false), FillGrouping::None);
    EXPECT_EQ(groupingCaption(FillGrouping::FiveColors),
              QString("色塗り(5色) (0.7cm / 1.0cm / 1.5cm / 4.0cm)"));
    EXPECT_EQ(groupingCaption(FillGrouping::ThreeColors), QString("色塗り(3色) (0.5cm / 0.7cm / 1.0cm)"));
    EXPECT_EQ(groupingCaption(FillGrouping::TwoColors), QString("色塗り(2色) （0.7cm / 1.0cm)"));
}

TEST(DrawColor, WithoutAGroupingTheSurfaceKeepsItsColour) {
    const DisplaySettings display;
    RecordingSurface surface(1000, 1000);
    surface.setDrawColor(0x00AA00);
    SetDrawColor(surface, display, FillGrouping::None, 1, 0.3);
    EXPECT_EQ(surface.drawColor(), 0x00AA00);
    SetDrawColor(surface, display, FillGrouping::FiveColors, -1, 0.3);
    EXPECT_EQ(surface.drawColor(), 0x00AA00);
    SetDrawColor(surface, display, FillGrouping::TwoColors, 1, 0.9);
    EXPECT_EQ(surface.drawColor(), 65535);
}

}  // namespace
