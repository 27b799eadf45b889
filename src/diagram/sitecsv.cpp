#include "diagram/sitecsv.h"

#include "diagram/drawcolor.h"
#include "diagram/sitesummary.h"
#include "diagram/softnessclass.h"
#include "model/format.h"
#include "model/testdata.h"

namespace {

QString field(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray csv(const std::vector<QStringList>& lines) {
    QString text;
    for (const QStringList& line : lines) {
        QStringList fields;
        for (const QString& cell : line) fields << field(cell);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString reading(double value) {
    return QString::fromStdString(Format::shortest(static_cast<float>(value)));
}

}  // namespace

QStringList summaryHeadings() {
    return {QStringLiteral("ブロック"),
            QStringLiteral("番号No."),
            QStringLiteral("調査名"),
            QStringLiteral("試験日"),
            QStringLiteral("打撃回数"),
            QStringLiteral("到達深さ(cm)"),
            classLegend(1) + QStringLiteral(" (cm)"),
            classLegend(2) + QStringLiteral(" (cm)"),
            classLegend(3) + QStringLiteral(" (cm)"),
            classLegend(4) + QStringLiteral(" (cm)"),
            classLegend(5) + QStringLiteral(" (cm)"),
            QStringLiteral("0.7以下の初出深さ(cm)"),
            QStringLiteral("平均軟らかさ(cm/drop)")};
}

QStringList summaryCells(const BlockSummary& row) {
    QStringList cells{QString::number(row.block), row.pointNo, row.surveyName, row.date,
                      QString::number(row.drops)};
    cells << (row.depth ? reading(*row.depth) : QString());
    for (int c = 0; c < 5; ++c)
        cells << (row.thickness ? Format::number((*row.thickness)[c], "0.0") : QString());
    cells << (row.firstHardDepth ? reading(*row.firstHardDepth) : QString());
    cells << (row.meanSoftness ? Format::number(*row.meanSoftness, "0.00") : QString());
    return cells;
}

QString summaryCell(const QStringList& cells, SummaryColumn column) {
    return cells.at(static_cast<qsizetype>(column));
}

QString effectiveDepthText(const EffectiveDepth& effective) {
    return (effective.hardReached ? QString() : QStringLiteral("≥")) + reading(effective.depth);
}

QByteArray DropsCsv(const TestData& data) {
    std::vector<QStringList> lines{{QStringLiteral("ブロック"), QStringLiteral("番号No."),
                                    QStringLiteral("回数"), QStringLiteral("計測値(cm)"),
                                    QStringLiteral("貫入量(cm)"), QStringLiteral("軟らかさ区分")}};
    for (int block = 1; block <= data.BlockCount; ++block) {
        const auto& depths = data.Measure[block];
        for (int drop = 1; drop <= data.DropCount[block]; ++drop) {
            const float before = drop == 1 ? 0.0f : depths[drop - 1];
            lines.push_back({QString::number(block), data.PointNo[block], QString::number(drop),
                             reading(depths[drop]), Format::display(depths[drop] - before),
                             QString::number(SoftnessClass(DiffOf(depths[drop], before)))});
        }
    }
    return csv(lines);
}

QByteArray SummaryCsv(const TestData& data) {
    std::vector<QStringList> lines{summaryHeadings()};
    for (const BlockSummary& row : SummarizeSite(data)) lines.push_back(summaryCells(row));
    return csv(lines);
}
