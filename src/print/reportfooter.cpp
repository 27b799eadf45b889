#include "platform/surface.h"
#include "print/reportpages.h"
#include "print/reporttext.h"

void PrintReportFooter(Surface& page, const SiteReport& report, int number, int pages, FittedTexts& texts) {
    constexpr double Size = 8;
    const bool landscape = page.width() > page.height();
    const double left = landscape ? 700 : 800;
    const double right = page.width() - left;
    const double y = page.height() - 560;
    page.setLineStyle(LineStyle::InsideSolid);
    page.setLineWidth(1);
    page.setDrawColor(0);
    page.line(left, y - 60, right, y - 60);
    page.setFontName(ReportFace);
    page.setFontSize(Size);
    const QString survey =
        report.surveyNames.isEmpty() ? QString() : report.surveyNames.join(QStringLiteral("、"));
    textAt(page, left, y,
           texts.fit(survey + QStringLiteral("　土壌貫入試験 報告書"), (right - left) * 0.7, Size,
                     QStringLiteral("調査名")));
    textRight(page, right, y, QStringLiteral("%1 / %2").arg(number).arg(pages));
}
