#include "print/printjob.h"

#include "diagram/displaysettings.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "print/printprogress.h"

namespace {

QString statusText(int page, PageRange range, int block) {
    return QStringLiteral(" %1/%2を印刷中 (ブロック番号 = %3)")
        .arg(page)
        .arg(range.to - range.from + 1)
        .arg(block);
}

// Starts block `block`: it becomes current, and the bar starts from 0 up to `maximum`.
void startBlock(const PrintJobParts& parts, PrintProgress& progress, int block, int maximum) {
    parts.data.CurBlock = static_cast<qint16>(block);
    progress.ProgressBase = 0;
    parts.status.setMaximum(maximum);
    progress.setProgress(0);
}

// Shows the status window for a job and, on every way out, closes it, makes the shown block current
// again and ends the printer's job.
class JobFrame {
public:
    explicit JobFrame(const PrintJobParts& parts)
        : parts_(parts), progress_(parts.status.bar()), shown_(parts.data.CurBlock) {
        parts_.status.openFor(progress_);
        progress_.PrintCancel = 0;
    }

    PrintProgress& progress() { return progress_; }
    bool cancelled() const { return progress_.PrintCancel == 1; }

    std::optional<QString> end(std::optional<QString> failure) {
        parts_.data.CurBlock = shown_;
        parts_.status.dismiss();
        std::optional<QString> finished = parts_.printer.finish();
        return failure ? failure : finished;
    }

private:
    const PrintJobParts& parts_;
    PrintProgress progress_;
    qint16 shown_;
};

bool refusedWithoutData(const TestData& data, Dialogs& dialogs) {
    if (data.DropCount[data.CurBlock] != 0) return false;
    dialogs.message(QStringLiteral("データが読込まれていません。"), Buttons::CancelRetryContinue,
                    QStringLiteral("データなし"));
    return true;
}

// Forms print portrait, sheets landscape: the other setting is refused with a message.
bool refusedOrientation(const Printer& printer, Orientation refused, Dialogs& dialogs) {
    if (printer.orientation() != refused) return false;
    dialogs.message(refused == Orientation::Landscape
                        ? QStringLiteral("[プリンタの設定]で印刷の向きを「縦」に設定して下さい。")
                        : QStringLiteral("[プリンタの設定]で印刷の向きを「横」に設定して下さい。"),
                    Buttons::Ok);
    return true;
}

void reportFailure(Dialogs& dialogs, const std::optional<QString>& failure) {
    if (failure)
        dialogs.message(QStringLiteral("印刷できませんでした。\n(%1)").arg(*failure), Buttons::Ok,
                        QStringLiteral("印刷エラー"), Icon::Critical);
}

}  // namespace

std::optional<QString> printTestFormRange(const PrintJobParts& parts, PageRange range,
                                          const TestFormOptions& options) {
    TestData& data = parts.data;
    JobFrame job(parts);
    PrintProgress& progress = job.progress();
    std::optional<QString> failure;
    for (int block = range.from, page = 1; block <= range.to && !job.cancelled(); ++block, ++page) {
        startBlock(parts, progress, block, data.DropCount[block]);
        parts.status.setStatus(statusText(page, range, block));
        const bool filled = options.graphWindow && parts.display.GGTMode == -1;
        RecordedPage sheet = parts.printer.newPage();
        PrintFormHeader(sheet, data, filled && parts.display.ShowJHS == 1, parts.warn);
        parts.events.processPendingEvents();
        if (filled) {
            parts.status.setMaximum(2 * data.DropCount[block]);
            if (options.fill) options.fill(sheet, progress, parts.events);
        }
        PrintFormDiagram(sheet, data, parts.display, progress);
        PrintDropTable(sheet, data);
        PrintFormFrame(sheet);
        if ((failure = parts.printer.print(sheet))) break;
    }
    return job.end(failure);
}

std::optional<QString> printSheetRange(const PrintJobParts& parts, PageRange range,
                                       const SheetOptions& options) {
    TestData& data = parts.data;
    JobFrame job(parts);
    PrintProgress& progress = job.progress();
    RecordedPage sheet = parts.printer.newPage();
    PrintSheetTitle(sheet, data, parts.display, options.legend, parts.warn);
    std::optional<QString> failure;
    bool pending = true;  // the sheet holds what is not printed yet
    for (int block = range.from, page = 1; block <= range.to; ++block, ++page) {
        if (job.cancelled()) {
            pending = false;
            break;
        }
        startBlock(parts, progress, block, 2 * data.DropCount[block]);
        parts.status.setStatus(statusText(page, range, block));
        // Slot 1 (right) ends a sheet; the first block of the job lies there, beside the title block.
        const int slot = page % 3;
        if (options.fill) options.fill(sheet, slot, progress, parts.events);
        progress.ProgressBase = static_cast<qint16>(progress.value());
        DrawGraphGGT(sheet, data, slot, options.showMarks, progress, parts.events);
        pending = true;
        if (slot == 1) {
            pending = false;
            if ((failure = parts.printer.print(sheet))) break;
            sheet = parts.printer.newPage();
        }
    }
    if (pending && !failure) failure = parts.printer.print(sheet);
    return job.end(failure);
}

void PrintTestForms(const PrintJobParts& parts, Dialogs& dialogs, const std::function<void()>& storeHeader,
                    const TestFormOptions& options) {
    TestData& data = parts.data;
    if (refusedWithoutData(data, dialogs)) return;
    if (storeHeader) storeHeader();
    const std::optional<PageRange> range =
        parts.printer.choosePages(1, data.BlockCount, data.CurBlock, data.BlockCount);
    if (!range || refusedOrientation(parts.printer, Orientation::Landscape, dialogs)) return;
    reportFailure(dialogs, printTestFormRange(parts, *range, options));
}

void PreviewTestForms(const PrintJobParts& parts, Dialogs& dialogs, const std::function<void()>& storeHeader,
                      const TestFormOptions& options) {
    TestData& data = parts.data;
    if (refusedWithoutData(data, dialogs)) return;
    if (storeHeader) storeHeader();
    if (refusedOrientation(parts.printer, Orientation::Landscape, dialogs)) return;
    const PageRange range{data.CurBlock, data.BlockCount};
    parts.printer.preview([&](Printer& pages) {
        // Turned to landscape in the preview, the job would print nothing.
        if (pages.orientation() == Orientation::Landscape) return;
        QuietStatus quiet;
        const PrintJobParts preview{data,  parts.display, pages,
                                    quiet, parts.events,  [](const QString&, const QString&) {}};
        printTestFormRange(preview, range, options);
    });
}

void PrintDiagramSheets(const PrintJobParts& parts, Dialogs& dialogs, const SheetOptions& options) {
    TestData& data = parts.data;
    const std::optional<PageRange> range =
        parts.printer.choosePages(1, data.BlockCount, data.CurBlock, data.BlockCount);
    if (!range || refusedOrientation(parts.printer, Orientation::Portrait, dialogs)) return;
    reportFailure(dialogs, printSheetRange(parts, *range, options));
}
