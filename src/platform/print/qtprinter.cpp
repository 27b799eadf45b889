#include "platform/print/qtprinter.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrintPreviewDialog>

#include "platform/gui/qtdialogs.h"

namespace {

// Where Qt keeps the options it hands to CUPS with the job.
const auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The print dialog also tells CUPS to print only the chosen pages of the document. A job prints only
// the chosen blocks, one page each, so CUPS must print every page it gets.
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

Orientation orientationOf(const QPrinter& printer) {
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                        : Orientation::Portrait;
}

// The pages of a preview: they go to the printer the preview dialog paints on.
class PreviewPages : public PagedPrinter {
public:
    explicit PreviewPages(QPrinter& printer) : printer_(printer) {}

    std::optional<PageRange> choosePages(int, int, int from, int to) override { return PageRange{from, to}; }
    void setUp() override {}
    Orientation orientation() const override { return orientationOf(printer_); }
    void preview(const std::function<void(Printer& pages)>& compose) override { compose(*this); }

protected:
    QPagedPaintDevice& device() override { return printer_; }
    bool turnsPaper() const override { return false; }

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

std::optional<PageRange> QtPrinter::choosePages(int min, int max, int from, int to) {
    printer().setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer(), dialogOwner(dialogParent_));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(min, max);
    dialog.setFromTo(from, to);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const bool ranged = printer().printRange() == QPrinter::PageRange;
    const PageRange chosen =
        ranged ? PageRange{printer().fromPage(), printer().toPage()} : PageRange{from, to};
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

void QtPrinter::preview(const std::function<void(Printer& pages)>& compose) {
    QPrintPreviewDialog dialog(&printer(), dialogOwner(dialogParent_));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&compose](QPrinter* target) {
        PreviewPages pages(*target);
        compose(pages);
    });
    dialog.exec();
}
