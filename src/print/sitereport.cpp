#include "print/sitereport.h"

#include <algorithm>
#include <tuple>

#include "model/format.h"
#include "model/testdata.h"
#include "print/reportpages.h"

namespace {

void addDistinct(QStringList& texts, const QString& text) {
    if (!text.trimmed().isEmpty() && !texts.contains(text)) texts << text;
}

// A test date ordered by its numbers (texts that are none order as 0, then by their text).
struct TestDate {
    double year, month, day;
    QString text;

    bool operator<(const TestDate& other) const {
        return std::tie(year, month, day, text) < std::tie(other.year, other.month, other.day, other.text);
    }
};

int pagesFor(size_t items, int perPage) {
    return static_cast<int>((items + static_cast<size_t>(perPage) - 1) / static_cast<size_t>(perPage));
}

}  // namespace

SiteReport makeSiteReport(const TestData& data, const ReportOptions& options) {
    SiteReport report;
    report.options = options;
    std::vector<TestDate> dates;
    for (int block = options.blocks.from; block <= options.blocks.to; ++block) {
        const BlockSummary row = SummarizeBlock(data, block, options.rule);
        if (row.drops == 0) {
            report.withoutDrops.push_back(block);
        } else {
            if (row.fit) ++(*row.fit ? report.fit : report.unfit);
            report.rows.push_back(row);
        }
        addDistinct(report.surveyNames, data.SurveyName[block]);
        addDistinct(report.places, data.TestPlace[block]);
        addDistinct(report.testers, data.TesterName[block]);
        const QString& year = data.TestYear[block];
        const QString& month = data.TestMonth[block];
        const QString& day = data.TestDay[block];
        if (!year.isEmpty() || !month.isEmpty() || !day.isEmpty())
            dates.push_back(
                {Format::valueOf(year), Format::valueOf(month), Format::valueOf(day),
                 year + QStringLiteral("年") + month + QStringLiteral("月") + day + QStringLiteral("日")});
    }
    if (!dates.empty()) {
        const auto [first, last] = std::minmax_element(dates.begin(), dates.end());
        report.firstDate = first->text;
        report.lastDate = last->text;
    }
    report.profile = siteProfile(data, options.blocks.from, options.blocks.to);
    return report;
}

std::optional<QString> noDropsNotice(const TestData& data, const ReportOptions& options) {
    for (int block = options.blocks.from; block <= options.blocks.to; ++block)
        if (data.DropCount[block] > 0) return std::nullopt;
    return QStringLiteral("ブロック %1～%2 には打撃データがありません。報告書は表紙%3だけです。")
        .arg(options.blocks.from)
        .arg(options.blocks.to)
        .arg(options.contents.forms ? QStringLiteral("と試験様式") : QString());
}

std::vector<ReportSection> reportSections(const SiteReport& report) {
    const ReportContents& contents = report.options.contents;
    const bool points = !report.rows.empty();
    const std::pair<ReportSection::Kind, int> wanted[] = {
        {ReportSection::Kind::Table,
         contents.table && points ? pagesFor(report.rows.size(), SummaryRowsPerPage) : 0},
        {ReportSection::Kind::Glance,
         contents.glance && points ? pagesFor(report.rows.size(), GlanceTilesPerPage) : 0},
        {ReportSection::Kind::Profile, contents.profile && points ? 1 : 0},
        {ReportSection::Kind::Forms,
         contents.forms ? report.options.blocks.to - report.options.blocks.from + 1 : 0},
    };
    std::vector<ReportSection> sections;
    int next = 2;
    for (const auto& [kind, pages] : wanted) {
        if (pages == 0) continue;
        sections.push_back({kind, next, pages});
        next += pages;
    }
    return sections;
}

int ownPages(const std::vector<ReportSection>& sections) {
    int pages = 1;
    for (const ReportSection& section : sections)
        if (section.kind != ReportSection::Kind::Forms) pages += section.pages;
    return pages;
}
