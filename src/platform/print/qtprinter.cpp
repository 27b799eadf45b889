#include "platform/print/qtprinter.h"

#include <QAction>
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrintPreviewDialog>

#include "platform/gui/qtdialogs.h"

namespace {

// Where Qt keeps the options it hands to CUPS with the job, as pairs of name and value.
const auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QString cupsOption(QPrinter& printer, QLatin1String name) {
    const QStringList options = printer.printEngine()->property(CupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (options[i] == name) return options[i + 1];
    return {};
}

// The print dialog also tells CUPS which pages of the document to print. A job prints only the chosen
// blocks, each on a document of its own, so CUPS must print every page it gets.
void printEveryPage(QPrinter& printer) {
    QPrintEngine* engine = printer.printEngine();
    QStringList options = engine->property(CupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size();) {
        if (options[i] == QLatin1String("page-ranges") || options[i] == QLatin1String("page-set"))
            options.remove(i, 2);
        else
            i += 2;
    }
    engine->setProperty(CupsOptions, options);
}

// The pages the dialog left on the printer: its page ranges (the preset range for all pages) and the
// odd or even choice. The dialog hands that choice to CUPS counted from the first page it prints, so
// that it is turned round when that page is even; it is turned back here, to page numbers.
PageSelection chosenPages(QPrinter& printer, PageRange preset) {
    PageSelection chosen;
    if (printer.printRange() == QPrinter::PageRange) {
        for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
            chosen.ranges.push_back({range.from, range.to});
    } else {
        chosen.ranges.push_back(preset);
    }
    const QString set = cupsOption(printer, QLatin1String("page-set"));
    const bool countedFromEven = printer.printRange() == QPrinter::PageRange && printer.fromPage() % 2 == 0;
    if (set == QLatin1String("odd"))
        chosen.parity = countedFromEven ? PageSelection::Parity::Even : PageSelection::Parity::Odd;
    else if (set == QLatin1String("even"))
        chosen.parity = countedFromEven ? PageSelection::Parity::Odd : PageSelection::Parity::Even;
    return chosen;
}

Orientation orientationOf(const QPrinter& printer) {
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                        : Orientation::Portrait;
}

// The pages of a preview: they go to the printer the preview dialog paints on.
class PreviewPages : public PagedPrinter {
public:
    explicit PreviewPages(QPrinter& printer) : printer_(printer) {}

    std::optional<PageSelection> choosePages(int, int, int from, int to) override {
        return PageSelection{{{from, to}}};
    }
    void setUp() override {}
    Orientation orientation() const override { return orientationOf(printer_); }
    QString outputFile() const override { return {}; }
    bool preview(const std::function<void(Printer& pages)>& compose) override {
        compose(*this);
        return false;
    }

protected:
    QPagedPaintDevice& device() override { return printer_; }

private:
    QPrinter& printer_;
};

}  // namespace

// Without margins of its own, a PDF file holds the page as the pdf job writes it; a printer keeps at
// least the margins it cannot print in.
QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Portrait);
        printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }
    return *printer_;
}

// A list of pages is offered where the dialog can take one (on a printer, not into a file), and so
// are odd or even pages.
std::optional<PageSelection> QtPrinter::choosePages(int min, int max, int from, int to) {
    printer().setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer(), dialogOwner(dialogParent_));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(min, max);
    dialog.setFromTo(from, to);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const PageSelection chosen = chosenPages(printer(), {from, to});
    printer().setPrintRange(QPrinter::AllPages);
    printEveryPage(printer());
    return chosen;
}

void QtPrinter::setUp() {
    QPageSetupDialog dialog(&printer(), dialogOwner(dialogParent_));
    dialog.exec();
}

// Portrait until a printer has been set up.
Orientation QtPrinter::orientation() const {
    return printer_ ? orientationOf(*printer_) : Orientation::Portrait;
}

QString QtPrinter::outputFile() const {
    return printer_ && printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName()
                                                                       : QString();
}

// The preview's print button closes the preview and leaves the printing to the caller's own job, with
// its dialog, status window and refusals, instead of printing the pages shown.
bool QtPrinter::preview(const std::function<void(Printer& pages)>& compose) {
    QPrintPreviewDialog dialog(&printer(), dialogOwner(dialogParent_));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&compose](QPrinter* target) {
        PreviewPages pages(*target);
        compose(pages);
    });
    bool printAsked = false;
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() != QPrintPreviewDialog::tr("Print")) continue;
        action->disconnect(&dialog);
        QObject::connect(action, &QAction::triggered, &dialog, [&dialog, &printAsked] {
            printAsked = true;
            dialog.accept();
        });
    }
    dialog.exec();
    return printAsked;
}
