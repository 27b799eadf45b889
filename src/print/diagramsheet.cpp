#include "print/diagramsheet.h"

#include <array>

#include "diagram/displaysettings.h"
#include "diagram/drawcolor.h"
#include "diagram/softnessclass.h"
#include "model/testdata.h"
#include "platform/surface.h"

namespace {

constexpr qint32 LegendOutline = 8;  // RGB(8, 0, 0): all but black

// The legend texts of a grouping: its own boundaries for three colours, the classes' otherwise.
QString legendText(FillGrouping grouping, int entry) {
    if (grouping == FillGrouping::ThreeColors) {
        const char* const texts[] = {"～ 0.5", "0.5 ～ 0.7", "0.7 ～ 1.0"};
        return QString::fromUtf8(texts[entry - 1]);
    }
    return classLegend(entry);
}

int legendEntries(FillGrouping grouping) {
    switch (grouping) {
        case FillGrouping::FiveColors: return 5;
        case FillGrouping::ThreeColors: return 3;
        case FillGrouping::TwoColors:
        case FillGrouping::None: break;
    }
    return 2;
}

void printLegend(Surface& printer, double R, const DisplaySettings& colours, const FillChoice& fill) {
    const qint32 colour = printer.drawColor();
    const std::array<qint32, 6>& set = fill.MonoCol == 1 ? colours.Color : colours.Mono;
    double textTop = R + 40;
    for (int entry = 1; entry <= legendEntries(fill.grouping); ++entry) {
        const double top = R + 50 + 500 * (entry - 1);
        const double bottom = top + 300;
        printer.setDrawColor(set[static_cast<size_t>(entry)]);
        printer.fillBox(4300, top, 5150, bottom);
        printer.setDrawColor(LegendOutline);
        printer.line(4300, top, 5150, top);
        printer.line(5150, top, 5150, bottom);
        printer.line(5150, bottom, 4300, bottom);
        printer.line(4300, bottom, 4300, top);
        printer.setDrawColor(colour);
        printer.moveTo(entry == 1 ? 6200 : 5600, textTop);
        printer.printLine(legendText(fill.grouping, entry));
        textTop = printer.currentY() + 140;
    }
}

}  // namespace

void PrintSheetTitle(Surface& printer, const TestData& data, const DisplaySettings& colours,
                     const SheetLegend& legend, const LengthWarning& warn) {
    const int block = data.CurBlock;
    printer.line(800, 800, 11000, 800);
    printer.line(11000, 800, 11000, 11000);
    printer.line(11000, 11000, 800, 11000);
    printer.line(800, 11000, 800, 800);

    const QString name = data.SurveyName[block];
    if (name.size() > 30)
        warn(QStringLiteral("調査名称が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。"),
             QStringLiteral("印刷可能文字数超過（調査名称）"));
    printer.setFontName(QStringLiteral("ＭＳ Ｐ明朝"));
    printer.setFontSize(26);
    printer.moveTo(3300, 1600);
    printer.printLine(name.left(15));
    if (name.size() > 15) {
        printer.setCurrentX(3300);
        printer.printLine(name.mid(15, 15));
    }

    // Tester and place take two lines of 19 characters after "： ".
    const struct {
        const char* label;
        QString value;
        const char* warning;
        const char* title;
        double gap;
    } rows[] = {
        {"試験者名", data.TesterName[block],
         "試験者名が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。",
         "印刷可能文字数超過（試験者名）", 1000},
        {"試験場所", data.TestPlace[block],
         "試験場所が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。",
         "印刷可能文字数超過（試験場所）", 300},
        {"試験年月日",
         data.TestYear[block] + QStringLiteral("年") + data.TestMonth[block] + QStringLiteral("月") +
             data.TestDay[block] + QStringLiteral("日"),
         nullptr, nullptr, 300},
        {"落錘落下高", data.DropHeight[block], nullptr, nullptr, 300},
        {"グラフの凡例", QString(), nullptr, nullptr, 300},
    };
    printer.setFontSize(18);
    double R = 0;
    for (const auto& row : rows) {
        R = printer.currentY() + row.gap;
        printer.moveTo(1800, R);
        printer.printLine(QString::fromUtf8(row.label));
        printer.moveTo(3900, R);
        if (!row.warning) {
            printer.printLine(QStringLiteral("： ") + row.value);
            continue;
        }
        if (row.value.size() > 38) warn(QString::fromUtf8(row.warning), QString::fromUtf8(row.title));
        printer.printLine(QStringLiteral("： ") + row.value.left(19));
        if (row.value.size() > 19) {
            printer.setCurrentX(4200);
            printer.printLine(row.value.mid(19, 19));
        }
    }
    if (legend.shown) printLegend(printer, R, colours, legend.fill);
}
