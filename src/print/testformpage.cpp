#include "print/testformpage.h"

#include "model/format.h"
#include "model/testdata.h"
#include "platform/surface.h"

namespace {

constexpr double Left = 800;
constexpr double Right = 11000;

void textAt(Surface& printer, double x, double y, const QString& text) {
    printer.moveTo(x, y);
    printer.printLine(text);
}

// The first `limit` characters of a text, after a warning when it is longer.
QString fitted(const QString& text, int limit, const LengthWarning& warn, const char* message,
               const char* title) {
    if (text.size() <= limit) return text;
    warn(QString::fromUtf8(message), QString::fromUtf8(title));
    return text.left(limit);
}

}  // namespace

void PrintFormHeader(Surface& printer, const TestData& data, bool jhs, const LengthWarning& warn) {
    const int block = data.CurBlock;
    printer.setFontSize(16);
    printer.setFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    printer.moveTo(0, 1000);
    printer.setLineWidth(5);
    printer.setLineStyle(LineStyle::InsideSolid);
    printer.line(Left, 1000, Right, 1000);
    const QString title = QStringLiteral("長  谷  川  式  土  壌  貫  入  試  験");
    if (jhs) {
        textAt(printer, 3800, 1150, title);
        printer.setFontName(QStringLiteral("ＭＳ 明朝"));
        textAt(printer, 1000, 1150, QStringLiteral("JHS 604"));
        printer.setFontSize(12);
        textAt(printer, 1000, 750, QStringLiteral("試験様式 － 604"));
        printer.line(3400, 1000, 3400, 1600);
    } else {
        textAt(printer, 3600, 1150, title);
    }
    printer.line(Left, 1600, Right, 1600);

    printer.setLineWidth(1);
    printer.setFontSize(12);
    printer.setFontName(QStringLiteral("ＭＳ 明朝"));
    printer.setLineStyle(LineStyle::InsideSolid);
    const struct {
        double top;
        const char* label;
        QString value;
    } rows[] = {
        {2000, "調査名",
         fitted(data.SurveyName[block], 35, warn,
                "調査名称が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。",
                "印刷可能文字数超過（調査名）")},
        {2400, "試験者名",
         fitted(data.TesterName[block], 20, warn,
                "試験者名称が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。",
                "印刷可能文字数超過（試験者名）")},
        {2800, "試験場所",
         fitted(data.TestPlace[block], 20, warn,
                "試験場所が印刷可能文字数を越えました。印刷可能文字数の範囲で印刷します。",
                "印刷可能文字数超過（試験場所）")},
        {3200, "落錘落下高", data.DropHeight[block]},
    };
    for (const auto& row : rows) {
        printer.line(Left, row.top, Right, row.top);
        textAt(printer, 1000, row.top + 100, QString::fromUtf8(row.label));
        textAt(printer, 2400, row.top + 100, row.value);
    }
    printer.line(Left, 3600, Right, 3600);
    printer.line(2300, 2000, 2300, 3600);

    textAt(printer, 7600, 2500, QStringLiteral("試験年月日"));
    textAt(printer, 9000, 2500,
           data.TestYear[block] + QStringLiteral("年") + data.TestMonth[block] + QStringLiteral("月") +
               data.TestDay[block] + QStringLiteral("日"));
    textAt(printer, 7600, 2900, QStringLiteral("番号"));
    textAt(printer, 9000, 2900, QStringLiteral("No.") + data.PointNo[block]);
    printer.line(7500, 2400, 7500, 3200);
    printer.line(8900, 2400, 8900, 3200);
}

void PrintDropTable(Surface& printer, const TestData& data) {
    constexpr double Top = 4000;
    constexpr double Bottom = 11700;
    constexpr double TableLeft = 6200;
    constexpr double Groups[] = {6200, 7400, 8600, 9800};
    const QString face = printer.fontName();

    printer.setLineStyle(LineStyle::InsideSolid);
    printer.setLineWidth(1);
    printer.line(TableLeft, Top, Right, Top);
    printer.line(TableLeft, Top, TableLeft, Bottom);
    printer.line(TableLeft, Bottom, Right, Bottom);
    printer.line(Right, Top, Right, Bottom);
    printer.line(TableLeft, 4400, Right, 4400);
    for (double x0 : Groups) printer.line(x0 + 400, Top, x0 + 400, Bottom);
    printer.setLineWidth(3);
    for (double x0 : {Groups[1], Groups[2], Groups[3]}) printer.line(x0, Top, x0, Bottom);
    printer.setLineWidth(1);
    printer.setLineStyle(LineStyle::InsideSolid);

    printer.setFontSize(6);
    printer.setFontName(QStringLiteral("MS 明朝"));
    for (double x0 : Groups) {
        textAt(printer, x0 + 100, 4150, QStringLiteral("回数"));
        textAt(printer, x0 + 500, 4075, QStringLiteral("積算"));
        textAt(printer, x0 + 500, 4225, QStringLiteral("貫入量(cm)"));
    }

    // Numbers end flush right and the decimal points line up: shorter texts start further right.
    printer.setFontName(QStringLiteral("ＭＳ Ｐ明朝"));
    double top = 4450;
    for (int row = 1; row <= 60; ++row) {
        for (int group = 0; group < 4; ++group) {
            const double x0 = Groups[group];
            const int drop = 60 * group + row;
            const double numberShift = drop <= 9 ? 120 : drop <= 99 ? 60 : 0;
            textAt(printer, x0 + 100 + numberShift, top, Format::number(drop, "###"));
            const float reading = data.Measure[data.CurBlock][drop];
            if (reading == 0) continue;
            const QString text = Format::number(reading, "0.0");
            const double readingShift = text.size() == 3 ? 120 : text.size() == 4 ? 60 : 0;
            textAt(printer, x0 + 600 + readingShift, top, text);
        }
        top = printer.currentY();
    }
    printer.setFontName(face);
}

void PrintFormFrame(Surface& printer) {
    printer.setLineStyle(LineStyle::InsideSolid);
    printer.line(6200, 12000, Right, 12000);
    printer.line(6200, 12000, 6200, 15000);
    printer.line(6200, 15000, Right, 15000);
    printer.line(Right, 12000, Right, 15000);
}
