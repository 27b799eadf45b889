#include <QLocale>
#include <algorithm>

#include "diagram/displaysettings.h"
#include "diagram/sitecsv.h"
#include "diagram/softnessclass.h"
#include "model/format.h"
#include "platform/surface.h"
#include "print/reportpages.h"
#include "print/reporttext.h"

namespace {

constexpr double Left = 800;
constexpr double Right = 11000;
constexpr double LabelX = 1000;
constexpr double ValueX = 2900;
constexpr double BodySize = 11;
constexpr double NoteSize = 10;

const char* const ClassRanges[] = {"S ≤ 0.7", "0.7 < S ≤ 1.0", "1.0 < S ≤ 1.5", "1.5 < S < 4.0", "4.0 ≤ S"};

QString number(double value) {
    return QString::fromStdString(Format::shortest(value));
}

QString joined(const QStringList& texts) {
    return texts.isEmpty() ? QStringLiteral("（記入なし）") : texts.join(QStringLiteral("、"));
}

QString blockList(const std::vector<int>& blocks) {
    QStringList numbers;
    for (int block : blocks) numbers << QString::number(block);
    return numbers.join(QStringLiteral(", "));
}

void heading(Surface& page, double y, const QString& text) {
    page.setFontName(ReportTitleFace);
    page.setFontSize(13);
    textAt(page, Left, y, text);
    page.setLineWidth(3);
    page.line(Left, y + 340, Right, y + 340);
    page.setLineWidth(1);
    page.setFontName(ReportFace);
    page.setFontSize(BodySize);
}

// Rows of label and value, each `pitch` high, the values fitted to the page.
double labelledRows(Surface& page, double y, double pitch,
                    const std::vector<std::pair<QString, QString>>& rows, FittedTexts& texts) {
    for (const auto& [label, value] : rows) {
        textAt(page, LabelX, y, label);
        textAt(page, ValueX, y, texts.fit(value, Right - ValueX, page.fontSize(), label));
        y += pitch;
    }
    return y;
}

void surveyRows(Surface& page, const SiteReport& report, FittedTexts& texts) {
    const PageRange blocks = report.options.blocks;
    QString dates = report.firstDate.isEmpty() ? QStringLiteral("（記入なし）") : report.firstDate;
    if (report.lastDate != report.firstDate) dates += QStringLiteral(" ～ ") + report.lastDate;
    QString points = QStringLiteral("%1 地点（ブロック %2～%3）")
                         .arg(blocks.to - blocks.from + 1)
                         .arg(blocks.from)
                         .arg(blocks.to);
    if (!report.withoutDrops.empty())
        points += QStringLiteral("、うち打撃データのない地点 %1").arg(report.withoutDrops.size());
    const double top = 2400;
    const double pitch = 440;
    const std::vector<std::pair<QString, QString>> rows{
        {QStringLiteral("調査名"), joined(report.surveyNames)},
        {QStringLiteral("試験場所"), joined(report.places)},
        {QStringLiteral("試験者"), joined(report.testers)},
        {QStringLiteral("試験日"), dates},
        {QStringLiteral("調査地点数"), points},
        {QStringLiteral("報告日"),
         QLocale::c().toString(report.options.date, QStringLiteral("yyyy年MM月dd日"))},
    };
    page.setFontName(ReportFace);
    page.setFontSize(BodySize);
    const double bottom = labelledRows(page, top + 100, pitch, rows, texts) - 100;
    for (size_t row = 0; row <= rows.size(); ++row)
        page.line(Left, top + row * pitch, Right, top + row * pitch);
    for (const double x : {Left, ValueX - 150, Right}) page.line(x, top, x, bottom);
}

void ruleRows(Surface& page, const SiteReport& report, double y, FittedTexts& texts) {
    const ReportRule& rule = report.options.rule;
    heading(page, y, QStringLiteral("判定の基準"));
    page.setFontSize(NoteSize);
    const QString target =
        rule.target ? QStringLiteral("%1 cm（有効土層深が目標深さ以上の地点を 適、浅い地点を 不適 とする）")
                          .arg(number(*rule.target))
                    : QStringLiteral("なし（適・不適は判定しない）");
    labelledRows(
        page, y + 500, 330,
        {{QStringLiteral("有効土層深"),
          QStringLiteral("地表から、軟らかさが %1 cm/drop 以下となる最初の打撃までの深さ")
              .arg(number(rule.hardLimit))},
         {QString(), QStringLiteral("（その硬さに達しなかった地点は到達深さとし、「≥」を付けて示す）")},
         {QStringLiteral("目標深さ"), target},
         {QStringLiteral("軟らかさ"),
          QStringLiteral("1 回の打撃で貫入した深さ (cm/drop)。0.1 cm/drop 単位に丸めて区分・判定する")}},
        texts);
}

void resultRows(Surface& page, const SiteReport& report, double y, FittedTexts& texts) {
    heading(page, y, QStringLiteral("判定の結果"));
    y += 500;
    if (report.rows.empty()) {
        page.setFontName(ReportTitleFace);
        page.setFontSize(12);
        textAt(page, LabelX, y, QStringLiteral("対象のブロックには打撃データがありません。"));
        return;
    }
    if (report.options.rule.target) {
        page.setFontName(ReportTitleFace);
        page.setFontSize(14);
        textAt(page, LabelX, y,
               QStringLiteral("適  %1 地点　　　不適  %2 地点").arg(report.fit).arg(report.unfit));
        y += 450;
    } else {
        page.setFontSize(NoteSize);
        textAt(page, LabelX, y,
               QStringLiteral("目標深さが設定されていないため、適・不適は判定していません。"));
        y += 350;
    }
    page.setFontName(ReportFace);
    page.setFontSize(NoteSize);
    const auto byDepth = [](const BlockSummary& a, const BlockSummary& b) {
        return a.effective->depth < b.effective->depth;
    };
    const auto [least, greatest] = std::minmax_element(report.rows.begin(), report.rows.end(), byDepth);
    textAt(page, LabelX, y,
           QStringLiteral("有効土層深の範囲: %1 ～ %2 cm")
               .arg(effectiveDepthText(*least->effective), effectiveDepthText(*greatest->effective)));
    if (!report.withoutDrops.empty())
        textAt(page, LabelX, y + 330,
               texts.fit(QStringLiteral("打撃データのない地点（表と図には含めない）: ブロック ") +
                             blockList(report.withoutDrops),
                         Right - LabelX, NoteSize, QStringLiteral("データのない地点")));
}

void legendRows(Surface& page, const DisplaySettings& colours, double y) {
    heading(page, y, QStringLiteral("軟らかさの区分（凡例）"));
    page.setFontSize(NoteSize);
    const double columns[] = {LabelX, 2000, 3300, 5300, 7600};
    const char* const titles[] = {"色", "区分", "軟らかさ (cm/drop)", "範囲", "記号"};
    y += 480;
    for (size_t column = 0; column < 5; ++column)
        textAt(page, columns[column], y, QString::fromUtf8(titles[column]));
    for (int c = 1; c <= SoftnessClassCount; ++c) {
        const double top = y + 330 * c;
        const qint32 colour = page.drawColor();
        page.setDrawColor(colours.Color[static_cast<size_t>(c)]);
        page.fillBox(LabelX, top, LabelX + 700, top + 230);
        page.setDrawColor(colour);
        frameBox(page, LabelX, top, LabelX + 700, top + 230);
        textAt(page, columns[1], top, QString::number(c));
        textAt(page, columns[2], top, classLegend(c));
        textAt(page, columns[3], top, QString::fromUtf8(ClassRanges[c - 1]));
        textAt(page, columns[4], top, classMark(c));
    }
}

void contentRows(Surface& page, const std::vector<ReportSection>& sections, const SiteReport& report,
                 double y) {
    heading(page, y, QStringLiteral("目次"));
    page.setFontSize(NoteSize);
    y += 480;
    const auto entry = [&](const QString& title, int first, int pages) {
        textAt(page, LabelX, y, title);
        textRight(page, 7000, y,
                  pages == 1 ? QStringLiteral("%1 ページ").arg(first)
                             : QStringLiteral("%1～%2 ページ").arg(first).arg(first + pages - 1));
        y += 300;
    };
    entry(QStringLiteral("表紙"), 1, 1);
    for (const ReportSection& section : sections) {
        switch (section.kind) {
            case ReportSection::Kind::Table:
                entry(QStringLiteral("地点別一覧"), section.firstPage, section.pages);
                break;
            case ReportSection::Kind::Glance:
                entry(QStringLiteral("一覧ダイアグラム"), section.firstPage, section.pages);
                break;
            case ReportSection::Kind::Profile:
                entry(QStringLiteral("深さ別の軟らかさ"), section.firstPage, section.pages);
                break;
            case ReportSection::Kind::Forms:
                entry(QStringLiteral("試験様式（ブロック %1～%2）")
                          .arg(report.options.blocks.from)
                          .arg(report.options.blocks.to),
                      section.firstPage, section.pages);
                break;
        }
    }
}

}  // namespace

void PrintReportCover(Surface& page, const SiteReport& report, const DisplaySettings& colours,
                      const std::vector<ReportSection>& sections, FittedTexts& texts) {
    page.setLineStyle(LineStyle::InsideSolid);
    page.setLineWidth(1);
    page.setDrawColor(0);
    page.setFontName(ReportTitleFace);
    page.setFontSize(24);
    textCentred(page, Left, Right, 900, QStringLiteral("土壌貫入試験 報告書"));
    page.setFontSize(12);
    textCentred(page, Left, Right, 1550, QStringLiteral("長谷川式土壌貫入試験"));
    page.setLineWidth(5);
    page.line(Left, 2000, Right, 2000);
    page.setLineWidth(1);

    surveyRows(page, report, texts);
    ruleRows(page, report, 5300, texts);
    resultRows(page, report, 7350, texts);
    legendRows(page, colours, 9300);
    contentRows(page, sections, report, 11900);
}
