#include <algorithm>

#include "diagram/displaysettings.h"
#include "diagram/ggtfill.h"
#include "diagram/softnessclass.h"
#include "model/format.h"
#include "platform/surface.h"
#include "print/reportpages.h"
#include "print/reporttext.h"

namespace {

constexpr double Left = 700;
constexpr double Right = 15300;
constexpr int PerRow = GlanceTilesPerPage / 2;
constexpr double FirstRowTop = 1350;
constexpr double RowPitch = 4950;
constexpr double DiagramOffset = 450;  // below the row's top, under the two label lines
constexpr double DepthScale = 40;      // twips per cm: 100 cm in 4000
constexpr double ScaleX = 1400;        // the depth scale of a row
constexpr double FirstTile = 1550;
constexpr double TilePitch = (Right - FirstTile) / PerRow;
constexpr double DiagramWidth = TilePitch - 245;  // 0 to 4.5 cm/drop
constexpr double LabelSize = 7;
constexpr qint32 Grey = 0xA8A8A8;
constexpr qint32 LightGrey = 0xE0E0E0;
constexpr qint32 Red = 255;
constexpr double ClassBounds[] = {0.7, 1.0, 1.5, 4.0};

DiagramLayout tileLayout(double left, double top) {
    return {left,
            top,
            left + DiagramWidth,
            top + 100 * DepthScale,
            DepthScale,
            DiagramWidth / (4.5 * DepthScale)};
}

void legend(Surface& page, const DisplaySettings& colours) {
    page.setFontName(ReportFace);
    page.setFontSize(8);
    constexpr double Entry = 1800;
    for (int c = 1; c <= SoftnessClassCount; ++c) {
        const double x = Right - Entry * (SoftnessClassCount - c + 1) + 150;
        page.setDrawColor(colours.Color[static_cast<size_t>(c)]);
        page.fillBox(x, 620, x + 400, 820);
        page.setDrawColor(0);
        frameBox(page, x, 620, x + 400, 820);
        textAt(page, x + 480, 640, classLegend(c) + QLatin1Char(' ') + classMark(c));
    }
}

// The depth scale at the left of a row, and faint guide lines every 10 cm across its tiles. The thin
// lines of the page are solid: dotted, twenty diagrams would take thousands of dots.
void rowScale(Surface& page, double top, double right) {
    page.setDrawColor(LightGrey);
    for (int depth = 10; depth < 100; depth += 10)
        page.line(ScaleX, top + depth * DepthScale, right, top + depth * DepthScale);
    page.setDrawColor(0);
    page.setLineWidth(3);
    page.line(ScaleX, top, ScaleX, top + 100 * DepthScale);
    page.setLineWidth(1);
    page.setFontSize(LabelSize);
    for (int depth = 0; depth <= 100; depth += 10) {
        const double y = top + depth * DepthScale;
        page.line(ScaleX - 60, y, ScaleX, y);
        textRight(page, ScaleX - 90, y - LabelSize * 10, QString::number(depth));
    }
    textAt(page, Left, top - DiagramOffset + 160, QStringLiteral("深さ(cm)"));
}

void tile(Surface& page, const TestData& data, const DisplaySettings& colours, const BlockSummary& row,
          double left, double rowTop, FittedTexts& texts) {
    page.setFontSize(LabelSize);
    textAt(page, left, rowTop, QStringLiteral("ブロック %1").arg(row.block));
    QString number = QStringLiteral("No.") + row.pointNo;
    const QString verdict =
        row.fit ? (*row.fit ? QStringLiteral(" 適") : QStringLiteral(" 不適")) : QString();
    number = texts.fit(number, TilePitch - 60 - textWidth(verdict, LabelSize), LabelSize,
                       QStringLiteral("番号No."), row.block);
    textAt(page, left, rowTop + 160, number + verdict);

    const double top = rowTop + DiagramOffset;
    const DiagramLayout layout = tileLayout(left, top);
    fillBlockDiagram(page, data, row.block, colours, {FillGrouping::FiveColors, 1}, layout);

    page.setLineWidth(1);
    page.setDrawColor(Grey);
    for (const double bound : ClassBounds) {
        const double x = left + bound * layout.DepthScale * layout.SoftnessFactor;
        page.line(x, top, x, layout.AxisEndY);
    }
    page.line(layout.AxisEndX, top, layout.AxisEndX, layout.AxisEndY);
    page.line(left, layout.AxisEndY, layout.AxisEndX, layout.AxisEndY);
    page.setDrawColor(0);
    page.setLineWidth(3);
    page.line(left, top, layout.AxisEndX, top);
    page.line(left, top, left, layout.AxisEndY);
    page.setLineWidth(1);
    for (int softness = 1; softness <= 4; ++softness) {
        const double x = left + softness * layout.DepthScale * layout.SoftnessFactor;
        page.line(x, top - 50, x, top);
    }

    page.setDrawColor(Red);
    if (row.effective->hardReached && row.effective->depth <= 100) {
        const double y = top + row.effective->depth * DepthScale;
        page.setLineWidth(6);
        page.line(left - 80, y, layout.AxisEndX, y);
        page.setLineWidth(1);
    }
    if (*row.depth > 100) textAt(page, layout.AxisEndX - 150, layout.AxisEndY + 30, QStringLiteral("↓"));
    page.setDrawColor(0);
}

}  // namespace

void PrintGlancePage(Surface& page, const TestData& data, const DisplaySettings& colours,
                     const SiteReport& report, int index, FittedTexts& texts) {
    page.setLineStyle(LineStyle::InsideSolid);
    page.setLineWidth(1);
    page.setDrawColor(0);
    const int pages = static_cast<int>((report.rows.size() + GlanceTilesPerPage - 1) /
                                       static_cast<size_t>(GlanceTilesPerPage));
    page.setFontName(ReportTitleFace);
    page.setFontSize(14);
    textAt(page, Left, 550,
           pages > 1 ? QStringLiteral("一覧ダイアグラム（%1/%2）").arg(index + 1).arg(pages)
                     : QStringLiteral("一覧ダイアグラム"));
    legend(page, colours);
    page.setFontSize(8);
    textAt(page, Left, 1000,
           QStringLiteral(
               "各図の横軸: 軟らかさ 0～4.5 cm/drop（目盛 1 cm/drop ごと、細線は区分の境界 0.7 / 1.0 / 1.5 / "
               "4.0）　縦軸: 深さ 0～100 cm　赤線: 有効土層深　↓: 100 cm を越えた地点"));

    const size_t first = static_cast<size_t>(index) * GlanceTilesPerPage;
    const size_t last = std::min(report.rows.size(), first + GlanceTilesPerPage);
    for (size_t at = first; at < last; at += PerRow) {
        const double rowTop = FirstRowTop + RowPitch * static_cast<double>((at - first) / PerRow);
        const size_t tiles = std::min<size_t>(PerRow, last - at);
        rowScale(page, rowTop + DiagramOffset, FirstTile + TilePitch * static_cast<double>(tiles) - 245);
        for (size_t t = 0; t < tiles; ++t)
            tile(page, data, colours, report.rows[at + t], FirstTile + TilePitch * static_cast<double>(t),
                 rowTop, texts);
    }
}
