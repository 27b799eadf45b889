#include "print/reportjob.h"

#include "platform/appinfo.h"
#include "print/reportpages.h"
#include "print/reporttext.h"

namespace {

// The printer as the report prints on it: the test forms come out portrait whatever the setting.
class PortraitForms : public Printer {
public:
    explicit PortraitForms(Printer& printer) : printer_(printer) {}

    std::optional<PageSelection> choosePages(int min, int max, int from, int to) override {
        return printer_.choosePages(min, max, from, to);
    }
    void setUp() override { printer_.setUp(); }
    Orientation orientation() const override { return Orientation::Portrait; }
    QString outputFile() const override { return printer_.outputFile(); }
    bool preview(const std::function<void(Printer& pages)>& compose) override {
        return printer_.preview(compose);
    }
    RecordedPage newPage() override { return printer_.newPageIn(Orientation::Portrait); }
    RecordedPage newPageIn(Orientation orientation) override { return printer_.newPageIn(orientation); }
    std::optional<QString> print(const RecordedPage& page, const QString& documentName) override {
        return printer_.print(page, documentName);
    }
    std::optional<QString> finish() override { return printer_.finish(); }

private:
    Printer& printer_;
};

}  // namespace

std::optional<QString> printSiteReport(const PrintJobParts& parts, const ReportOptions& options) {
    const SiteReport report = makeSiteReport(parts.data, options);
    const std::vector<ReportSection> sections = reportSections(report);
    const int pages = ownPages(sections);
    FittedTexts texts;
    int number = 0;
    const auto print = [&](RecordedPage& page) {
        PrintReportFooter(page, report, ++number, pages, texts);
        return parts.printer.print(
            page, QStringLiteral("%1 報告書 %2/%3").arg(AppInfo::title()).arg(number).arg(pages));
    };

    RecordedPage cover = parts.printer.newPageIn(Orientation::Portrait);
    PrintReportCover(cover, report, parts.display, sections, texts);
    std::optional<QString> failure = print(cover);
    for (const ReportSection& section : sections) {
        if (failure) break;
        if (section.kind == ReportSection::Kind::Forms) {
            texts.warn(parts.warn);
            PortraitForms printer(parts.printer);
            const PrintJobParts forms{parts.data,   parts.display, printer,
                                      parts.status, parts.events,  parts.warn};
            return printTestFormRange(forms, blocksIn(options.blocks), {}).failure;
        }
        for (int index = 0; index < section.pages && !failure; ++index) {
            RecordedPage page = parts.printer.newPageIn(Orientation::Landscape);
            switch (section.kind) {
                case ReportSection::Kind::Table: PrintSummaryPage(page, report, index, texts); break;
                case ReportSection::Kind::Glance:
                    PrintGlancePage(page, parts.data, parts.display, report, index, texts);
                    break;
                case ReportSection::Kind::Profile: PrintProfilePage(page, report); break;
                case ReportSection::Kind::Forms: break;
            }
            failure = print(page);
        }
    }
    texts.warn(parts.warn);
    const std::optional<QString> finished = parts.printer.finish();
    return failure ? failure : finished;
}

void PreviewSiteReport(const PrintJobParts& parts, Dialogs& dialogs, const ReportOptions& options) {
    const bool printAsked = parts.printer.preview([&](Printer& pages) {
        QuietStatus quiet;
        const PrintJobParts preview{parts.data, parts.display, pages,
                                    quiet,      parts.events,  [](const QString&, const QString&) {}};
        printSiteReport(preview, options);
    });
    if (!printAsked || refusedPrintFile(parts, dialogs)) return;
    PrintOutcome outcome;
    outcome.failure = printSiteReport(parts, options);
    reportOutcome(dialogs, outcome);
}
