#include <algorithm>
#include <array>

#include "diagram/sitecsv.h"
#include "diagram/softnessclass.h"
#include "model/format.h"
#include "platform/surface.h"
#include "print/reportpages.h"
#include "print/reporttext.h"

namespace {

constexpr double Left = 700;
constexpr double HeadTop = 1350;
constexpr double HeadBottom = 2100;
constexpr double RowHeight = 300;
constexpr double HeadSize = 8;
constexpr double BodySize = 9;
constexpr double Padding = 90;

enum class Align { Left, Right, Centre };

// A column of the table: its width, heading lines and what a row shows in it.
struct Column {
    double width;
    std::vector<QString> heading;  // lines from the second line on; the first is the group's
    Align align;
    QString (*cell)(const BlockSummary& row, const QStringList& cells);
    const char* field = nullptr;  // a text of the survey, fitted with a warning
};

QString cellOf(const QStringList& cells, SummaryColumn column) {
    return summaryCell(cells, column);
}

QString classCell(const QStringList& cells, int softnessClass) {
    return summaryCell(
        cells, static_cast<SummaryColumn>(static_cast<int>(SummaryColumn::Class1) + softnessClass - 1));
}

const std::vector<Column>& columns() {
    static const std::vector<Column> all{
        {800,
         {QStringLiteral("ブロック")},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::Block); }},
        {1000,
         {QStringLiteral("番号No.")},
         Align::Left,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::PointNo); },
         "番号No."},
        {1250,
         {QStringLiteral("試験日")},
         Align::Left,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::Date); },
         "試験日"},
        {750,
         {QStringLiteral("打撃"), QStringLiteral("回数")},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::Drops); }},
        {950,
         {QStringLiteral("到達深さ"), QStringLiteral("(cm)")},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::Depth); }},
        {950,
         {classLegend(1), classMark(1)},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return classCell(c, 1); }},
        {950,
         {classLegend(2), classMark(2)},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return classCell(c, 2); }},
        {950,
         {classLegend(3), classMark(3)},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return classCell(c, 3); }},
        {950,
         {classLegend(4), classMark(4)},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return classCell(c, 4); }},
        {950,
         {classLegend(5), classMark(5)},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return classCell(c, 5); }},
        {1250,
         {QStringLiteral("0.7以下の"), QStringLiteral("初出深さ"), QStringLiteral("(cm)")},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::FirstHardDepth); }},
        {1250,
         {QStringLiteral("平均"), QStringLiteral("軟らかさ"), QStringLiteral("(cm/drop)")},
         Align::Right,
         [](const BlockSummary&, const QStringList& c) { return cellOf(c, SummaryColumn::MeanSoftness); }},
        {1250,
         {QStringLiteral("有効"), QStringLiteral("土層深"), QStringLiteral("(cm)")},
         Align::Right,
         [](const BlockSummary& row, const QStringList&) { return effectiveDepthText(*row.effective); }},
        {800,
         {QStringLiteral("判定")},
         Align::Centre,
         [](const BlockSummary& row, const QStringList&) {
             return row.fit ? (*row.fit ? QStringLiteral("適") : QStringLiteral("不適"))
                            : QStringLiteral("－");
         }},
    };
    return all;
}

constexpr size_t FirstClassColumn = 5;

void printCell(Surface& page, double left, double right, double y, const QString& text, Align align) {
    switch (align) {
        case Align::Left: textAt(page, left + Padding, y, text); break;
        case Align::Right: textRight(page, right - Padding, y, text); break;
        case Align::Centre: textCentred(page, left, right, y, text); break;
    }
}

// The heading: one cell a column, the class columns under a group heading of their own.
void printHeading(Surface& page, const std::vector<double>& edges) {
    const double right = edges.back();
    page.setLineWidth(3);
    page.line(Left, HeadTop, right, HeadTop);
    page.line(Left, HeadBottom, right, HeadBottom);
    page.setLineWidth(1);
    page.setFontName(ReportFace);
    page.setFontSize(HeadSize);
    const double line = HeadSize * 20 + 40;
    const double classLeft = edges[FirstClassColumn];
    const double classRight = edges[FirstClassColumn + 5];
    textCentred(page, classLeft, classRight, HeadTop + 60, QStringLiteral("区分ごとの厚さ (0～100 cm, cm)"));
    page.line(classLeft, HeadTop + 60 + line, classRight, HeadTop + 60 + line);
    for (size_t c = 0; c < columns().size(); ++c) {
        const std::vector<QString>& lines = columns()[c].heading;
        const bool grouped = c >= FirstClassColumn && c < FirstClassColumn + 5;
        // Headings sit on the bottom of the heading band; grouped ones under the group's line.
        double y = HeadBottom - 60 - line * static_cast<double>(lines.size());
        if (grouped) y = HeadTop + 60 + line + 40;
        for (const QString& text : lines) {
            textCentred(page, edges[c], edges[c + 1], y, text);
            y += line;
        }
    }
}

}  // namespace

void PrintSummaryPage(Surface& page, const SiteReport& report, int index, FittedTexts& texts) {
    page.setLineStyle(LineStyle::InsideSolid);
    page.setLineWidth(1);
    page.setDrawColor(0);
    page.setFontName(ReportTitleFace);
    page.setFontSize(14);
    const int pages = static_cast<int>((report.rows.size() + SummaryRowsPerPage - 1) /
                                       static_cast<size_t>(SummaryRowsPerPage));
    textAt(page, Left, 550,
           pages > 1 ? QStringLiteral("地点別一覧（%1/%2）").arg(index + 1).arg(pages)
                     : QStringLiteral("地点別一覧"));
    page.setFontName(ReportFace);
    page.setFontSize(8);
    const ReportRule& rule = report.options.rule;
    QString note =
        QStringLiteral(
            "有効土層深: 軟らかさ %1 cm/drop 以下となる最初の打撃までの深さ（≥: その硬さに達していない）")
            .arg(QString::fromStdString(Format::shortest(rule.hardLimit)));
    note += rule.target ? QStringLiteral("　判定: 目標深さ %1 cm 以上で 適")
                              .arg(QString::fromStdString(Format::shortest(*rule.target)))
                        : QStringLiteral("　判定: 目標深さなし");
    textAt(page, Left, 1000, note);

    std::vector<double> edges{Left};
    for (const Column& column : columns()) edges.push_back(edges.back() + column.width);
    printHeading(page, edges);

    const size_t first = static_cast<size_t>(index) * SummaryRowsPerPage;
    const size_t last = std::min(report.rows.size(), first + SummaryRowsPerPage);
    page.setFontSize(BodySize);
    double y = HeadBottom;
    for (size_t r = first; r < last; ++r) {
        const BlockSummary& row = report.rows[r];
        const QStringList cells = summaryCells(row);
        for (size_t c = 0; c < columns().size(); ++c) {
            const Column& column = columns()[c];
            QString text = column.cell(row, cells);
            if (column.field)
                text = texts.fit(text, column.width - 2 * Padding, BodySize, QString::fromUtf8(column.field),
                                 row.block);
            printCell(page, edges[c], edges[c + 1], y + 60, text, column.align);
        }
        y += RowHeight;
        // A stronger line every fifth row guides the eye across the page.
        page.setLineWidth((r + 1 - first) % 5 == 0 && r + 1 != last ? 2 : 1);
        page.line(Left, y, edges.back(), y);
    }
    page.setLineWidth(3);
    page.line(Left, y, edges.back(), y);
    page.setLineWidth(1);
    // Inside the class group the lines start under the group's heading.
    const double groupLine = HeadTop + 60 + HeadSize * 20 + 40;
    for (size_t e = 0; e < edges.size(); ++e) {
        const bool inGroup = e > FirstClassColumn && e < FirstClassColumn + 5;
        page.setLineWidth(e == 0 || e + 1 == edges.size() ? 3 : 1);
        page.line(edges[e], inGroup ? groupLine : HeadTop, edges[e], y);
    }
    page.setLineWidth(1);
}
