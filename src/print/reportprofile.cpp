#include <algorithm>

#include "diagram/softnessclass.h"
#include "model/format.h"
#include "platform/surface.h"
#include "print/reportpages.h"
#include "print/reporttext.h"

namespace {

constexpr double Left = 700;
// The diagram: softness 0 to 4.5 cm/drop across, depth 0 to 100 cm down.
constexpr double OriginX = 1700;
constexpr double OriginY = 2000;
constexpr double PerSoftness = 1200;  // twips per cm/drop
constexpr double PerCm = 85;          // twips per cm of depth
constexpr double SoftnessEnd = 4.5;
constexpr double AxisEndX = OriginX + SoftnessEnd * PerSoftness;
constexpr double AxisEndY = OriginY + 100 * PerCm;
constexpr qint32 BandGrey = 0xD8D8D8;
constexpr qint32 BoundGrey = 0x808080;
constexpr int MeanWidth = 12;
constexpr double TableLeft = 8300;
constexpr double TableTop = 2000;
constexpr double TableRow = 420;

double xOf(double softness) {
    return OriginX + std::min(softness, SoftnessEnd) * PerSoftness;
}

double yOf(double depth) {
    return OriginY + depth * PerCm;
}

QString softnessText(const std::optional<double>& value) {
    return value ? Format::number(*value, "0.00") : QStringLiteral("－");
}

void axes(Surface& page) {
    page.setLineWidth(5);
    page.line(OriginX, OriginY, AxisEndX, OriginY);
    page.line(OriginX, OriginY, OriginX, AxisEndY);
    page.setLineWidth(1);
    page.line(AxisEndX, OriginY, AxisEndX, AxisEndY);
    page.line(OriginX, AxisEndY, AxisEndX, AxisEndY);
    page.setFontName(ReportFace);
    page.setFontSize(9);
    for (int depth = 0; depth <= 100; depth += 10) {
        page.line(OriginX - 60, yOf(depth), OriginX, yOf(depth));
        textRight(page, OriginX - 100, yOf(depth) - 90, QString::number(depth));
    }
    for (int step = 0; step <= 9; ++step) {
        const double x = xOf(step * 0.5);
        page.line(x, OriginY - (step % 2 == 0 ? 80 : 40), x, OriginY);
        if (step % 2 == 0) textCentred(page, x - 200, x + 200, OriginY - 280, QString::number(step / 2));
    }
    textCentred(page, OriginX, AxisEndX, OriginY - 560, QStringLiteral("軟らかさ (cm/drop)"));
    textAt(page, Left, yOf(50) - 200, QStringLiteral("深さ"));
    textAt(page, Left, yOf(50) + 20, QStringLiteral("(cm)"));
    page.setLineStyle(LineStyle::Dot);
    page.setDrawColor(BoundGrey);
    for (const double bound : {0.7, 1.0, 1.5, 4.0}) page.line(xOf(bound), OriginY, xOf(bound), AxisEndY);
    page.setDrawColor(0);
    page.setLineStyle(LineStyle::InsideSolid);
}

// The least to greatest of every band as a grey box, the mean as a step line over them, the count at
// the right; a band no point reached breaks the line.
void bands(Surface& page, const SiteReport& report) {
    page.setDrawColor(BandGrey);
    for (const BandProfile& band : report.profile)
        if (band.count > 0)
            page.fillBox(xOf(*band.least), yOf(band.top), xOf(*band.greatest), yOf(band.bottom));
    page.setDrawColor(0);
    page.setLineWidth(MeanWidth);
    const BandProfile* previous = nullptr;
    for (const BandProfile& band : report.profile) {
        if (band.count == 0) {
            previous = nullptr;
            continue;
        }
        if (previous) page.line(xOf(*previous->mean), yOf(band.top), xOf(*band.mean), yOf(band.top));
        page.line(xOf(*band.mean), yOf(band.top), xOf(*band.mean), yOf(band.bottom));
        previous = &band;
    }
    page.setLineWidth(1);
    page.setFontSize(8);
    for (const BandProfile& band : report.profile)
        textAt(page, AxisEndX + 80, (yOf(band.top) + yOf(band.bottom)) / 2 - 80,
               QStringLiteral("n=%1").arg(band.count));
}

void key(Surface& page) {
    const double y = AxisEndY + 250;
    page.setFontSize(8);
    page.setDrawColor(BandGrey);
    page.fillBox(OriginX, y, OriginX + 500, y + 180);
    page.setDrawColor(0);
    textAt(page, OriginX + 600, y, QStringLiteral("最小～最大"));
    page.setLineWidth(MeanWidth);
    page.line(OriginX + 2300, y + 90, OriginX + 2800, y + 90);
    page.setLineWidth(1);
    textAt(page, OriginX + 2900, y, QStringLiteral("平均"));
    page.setLineStyle(LineStyle::Dot);
    page.setDrawColor(BoundGrey);
    page.line(OriginX + 3900, y + 90, OriginX + 4400, y + 90);
    page.setDrawColor(0);
    page.setLineStyle(LineStyle::InsideSolid);
    textAt(page, OriginX + 4500, y, QStringLiteral("区分の境界"));
}

void table(Surface& page, const SiteReport& report) {
    const double widths[] = {1300, 1000, 1200, 1200, 1200, 1100};
    const char* const heads[] = {"深さ(cm)", "地点数", "平均", "最小", "最大", "区分"};
    double edges[7] = {TableLeft};
    for (int c = 0; c < 6; ++c) edges[c + 1] = edges[c] + widths[c];
    page.setFontSize(10);
    textCentred(page, edges[2], edges[5], TableTop + 20, QStringLiteral("軟らかさ (cm/drop)"));
    page.line(edges[2], TableTop + 300, edges[5], TableTop + 300);
    for (int c = 0; c < 6; ++c)
        textCentred(page, edges[c], edges[c + 1], TableTop + TableRow + 40, QString::fromUtf8(heads[c]));
    double y = TableTop + 2 * TableRow;
    page.setLineWidth(3);
    page.line(edges[0], TableTop - 20, edges[6], TableTop - 20);
    page.line(edges[0], y, edges[6], y);
    page.setLineWidth(1);
    for (const BandProfile& band : report.profile) {
        const int meanClass = band.mean ? SoftnessClass(Format::tenths(static_cast<float>(*band.mean))) : 0;
        const QString cells[] = {
            QStringLiteral("%1～%2").arg(band.top).arg(band.bottom),
            QString::number(band.count),
            softnessText(band.mean),
            softnessText(band.least),
            softnessText(band.greatest),
            band.mean ? QStringLiteral("%1 %2").arg(meanClass).arg(classMark(meanClass))
                      : QStringLiteral("－"),
        };
        textCentred(page, edges[0], edges[1], y + 80, cells[0]);
        for (int c = 1; c < 5; ++c) textRight(page, edges[c + 1] - 150, y + 80, cells[c]);
        textCentred(page, edges[5], edges[6], y + 80, cells[5]);
        y += TableRow;
        page.line(edges[0], y, edges[6], y);
    }
    page.setLineWidth(3);
    page.line(edges[0], y, edges[6], y);
    page.setLineWidth(1);
    // The lines inside the softness group start under its heading.
    for (int e = 0; e <= 6; ++e)
        page.line(edges[e], e == 3 || e == 4 ? TableTop + 300 : TableTop - 20, edges[e], y);
    page.setFontSize(8);
    const QString notes[] = {
        QStringLiteral("各地点の帯の軟らかさ = 帯の中で貫入した深さ ÷ そのための打撃回数"),
        QStringLiteral("（帯の境をまたぐ打撃は、それぞれの帯に貫入した分の割合で数える）"),
        QStringLiteral("その帯に達しなかった地点は含めない。地点数 0 の帯は －"),
        QStringLiteral("区分: 平均を 0.1 cm/drop に丸めた値の区分と記号"),
    };
    y += 200;
    for (const QString& note : notes) {
        textAt(page, TableLeft, y, note);
        y += 230;
    }
}

}  // namespace

void PrintProfilePage(Surface& page, const SiteReport& report) {
    page.setLineStyle(LineStyle::InsideSolid);
    page.setLineWidth(1);
    page.setDrawColor(0);
    page.setFontName(ReportTitleFace);
    page.setFontSize(14);
    textAt(page, Left, 550,
           QStringLiteral("深さ別の軟らかさ（%1 地点、10 cm ごと）").arg(report.rows.size()));
    page.setFontName(ReportFace);
    bands(page, report);
    axes(page);
    key(page);
    table(page, report);
}
