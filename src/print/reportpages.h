#pragma once

#include <vector>

#include "print/sitereport.h"

class FittedTexts;
class Surface;
struct DisplaySettings;
struct TestData;

// The pages of the site report, in twips from the top-left corner of the printable area: the cover
// portrait, the other pages landscape. They fit A4 and Letter paper alike.

inline constexpr int SummaryRowsPerPage = 30;
inline constexpr int GlanceTilesPerPage = 20;  // two rows of ten

// The cover: survey, places, dates, testers, points, the date of the report, the rule the points are
// judged by with the counts of 適 and 不適, the legend of the softness classes and the contents.
void PrintReportCover(Surface& page, const SiteReport& report, const DisplaySettings& colours,
                      const std::vector<ReportSection>& sections, FittedTexts& texts);

// Page `index` (from 0) of the summary table: the heading, then its rows.
void PrintSummaryPage(Surface& page, const SiteReport& report, int index, FittedTexts& texts);

// Page `index` (from 0) of the diagrams of the points side by side, filled by class, each under its
// block and 番号No., with a depth scale for each row.
void PrintGlancePage(Surface& page, const TestData& data, const DisplaySettings& colours,
                     const SiteReport& report, int index, FittedTexts& texts);

// The site profile: the bands drawn (mean, least to greatest, class boundaries) and listed.
void PrintProfilePage(Surface& page, const SiteReport& report);

// The line under a page of the report: the survey and the page's number among the report's own pages.
void PrintReportFooter(Surface& page, const SiteReport& report, int number, int pages, FittedTexts& texts);
