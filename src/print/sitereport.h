#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "diagram/reportrule.h"
#include "diagram/siteprofile.h"
#include "diagram/sitesummary.h"
#include "platform/printer.h"

struct TestData;

// What a site report holds after its cover.
struct ReportContents {
    bool table = true;    // 地点別一覧: the summary rows
    bool glance = true;   // 一覧ダイアグラム: the diagrams side by side
    bool profile = true;  // 深さ別の軟らかさ: the site profile
    bool forms = true;    // the test forms
};

struct ReportOptions {
    PageRange blocks{1, 1};
    ReportRule rule;
    ReportContents contents;
    QDate date;  // of the report
};

// The numbers and texts of a report over a range of blocks, made once from the data set.
struct SiteReport {
    ReportOptions options;
    std::vector<BlockSummary> rows;  // the points with drops, in block order
    std::vector<int> withoutDrops;   // the blocks of the range without a drop
    std::array<BandProfile, ProfileBands> profile;
    int fit = 0;  // with a target depth: the points judged 適 and 不適
    int unfit = 0;
    // Distinct texts of the blocks, in block order.
    QStringList surveyNames, places, testers;
    // The first and the last test date ("2001年04月15日"), empty when no block has one.
    QString firstDate, lastDate;
};

SiteReport makeSiteReport(const TestData& data, const ReportOptions& options);

// What the user is told when no block of the range has a drop: what the report then holds.
std::optional<QString> noDropsNotice(const TestData& data, const ReportOptions& options);

// The sections of a report in page order, each with its first page (the cover is page 1).
struct ReportSection {
    enum class Kind { Table, Glance, Profile, Forms };
    Kind kind;
    int firstPage;
    int pages;
};
std::vector<ReportSection> reportSections(const SiteReport& report);
// The pages the report composes itself: the cover and every section but the test forms.
int ownPages(const std::vector<ReportSection>& sections);
