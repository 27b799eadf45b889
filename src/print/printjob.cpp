#include "print/printjob.h"

#include <QStringList>
#include <algorithm>

#include "datafile/samefile.h"
#include "diagram/displaysettings.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/appinfo.h"
#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "print/printprogress.h"

namespace {

QString statusText(int page, int pages, int block) {
    return QStringLiteral(" %1/%2を印刷中 (ブロック番号 = %3)").arg(page).arg(pages).arg(block);
}

// Block numbers as runs: "1～3, 5".
QString runsText(const std::vector<PageRange>& runs) {
    QStringList parts;
    for (const PageRange& run : runs)
        parts << (run.from == run.to ? QString::number(run.from)
                                     : QStringLiteral("%1～%2").arg(run.from).arg(run.to));
    return parts.join(QStringLiteral(", "));
}

QString blocksText(const std::vector<int>& blocks) {
    std::vector<PageRange> runs;
    for (int block : blocks) {
        if (!runs.empty() && runs.back().to + 1 == block)
            runs.back().to = block;
        else
            runs.push_back({block, block});
    }
    return runsText(runs);
}

// A document sent to a printer is named after the program and the blocks on it.
QString documentName(const std::vector<int>& blocks) {
    return QStringLiteral("%1 (ブロック番号 = %2)").arg(AppInfo::title(), blocksText(blocks));
}

// Shows the status window for a job, with the bar over all its pages, and on every way out closes it,
// makes the shown block current again and ends the printer's job.
class JobFrame {
public:
    JobFrame(const PrintJobParts& parts, int pages)
        : parts_(parts), progress_(parts.status.bar()), shown_(parts.data.CurBlock) {
        parts_.status.openFor(progress_);
        parts_.status.setMaximum(pages * PrintProgress::PageSteps);
        progress_.PrintCancel = 0;
    }

    PrintProgress& progress() { return progress_; }
    bool cancelled() const { return progress_.PrintCancel == 1; }

    // Block `block` becomes current as page `index` of the job.
    void startBlock(int index, int block, int drops, int pages) {
        parts_.data.CurBlock = static_cast<qint16>(block);
        progress_.startPage(index, drops);
        parts_.status.setStatus(statusText(index + 1, pages, block));
    }

    // Prints a composed page holding the blocks; false when the printer refused it.
    bool print(const RecordedPage& page, const std::vector<int>& blocks) {
        outcome_.failure = parts_.printer.print(page, documentName(blocks));
        if (outcome_.failure) return false;
        outcome_.sent.insert(outcome_.sent.end(), blocks.begin(), blocks.end());
        ++outcome_.pages;
        return true;
    }

    PrintOutcome end() {
        outcome_.cancelled = cancelled();
        parts_.data.CurBlock = shown_;
        parts_.status.dismiss();
        const std::optional<QString> finished = parts_.printer.finish();
        if (!outcome_.failure) outcome_.failure = finished;
        return outcome_;
    }

private:
    const PrintJobParts& parts_;
    PrintProgress progress_;
    qint16 shown_;
    PrintOutcome outcome_;
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

// Printing to a file never writes over the data file that is open.
bool refusedFile(const PrintJobParts& parts, Dialogs& dialogs) {
    const QString file = parts.printer.outputFile();
    if (file.isEmpty() || !NamesSameFile(file, parts.data.DataFileName)) return false;
    dialogs.message(
        QStringLiteral("ファイル%1は開いているデータファイルです。別のファイル名を指定して下さい。")
            .arg(file),
        Buttons::Ok, QStringLiteral("印刷エラー"), Icon::Warning);
    return true;
}

// The blocks of the pages chosen, in order and each once. Pages that are no blocks of the data are
// refused with a message, and so is a choice that leaves no page.
std::optional<std::vector<int>> chosenBlocks(const PageSelection& chosen, int BlockCount, Dialogs& dialogs) {
    std::vector<PageRange> missing;
    std::vector<int> blocks;
    std::vector<bool> taken(static_cast<size_t>(BlockCount) + 1, false);
    for (const PageRange& range : chosen.ranges) {
        if (range.from < 1) missing.push_back({range.from, std::min(range.to, 0)});
        if (range.to > BlockCount) missing.push_back({std::max(range.from, BlockCount + 1), range.to});
        for (int block = std::max(range.from, 1); block <= std::min(range.to, BlockCount); ++block) {
            const bool wanted = chosen.parity == PageSelection::Parity::All ||
                                (block % 2 == 1) == (chosen.parity == PageSelection::Parity::Odd);
            if (!wanted || taken[static_cast<size_t>(block)]) continue;
            taken[static_cast<size_t>(block)] = true;
            blocks.push_back(block);
        }
    }
    if (!missing.empty()) {
        dialogs.message(QStringLiteral("ブロック番号 %1 はありません。\n1～%2 の範囲で指定して下さい。")
                            .arg(runsText(missing))
                            .arg(BlockCount),
                        Buttons::Ok, QStringLiteral("印刷範囲"));
        return std::nullopt;
    }
    if (blocks.empty()) {
        dialogs.message(QStringLiteral("指定された範囲に印刷するページがありません。"), Buttons::Ok,
                        QStringLiteral("印刷範囲"));
        return std::nullopt;
    }
    return blocks;
}

// The dialog, then the refusals of the blocks chosen and of the orientation.
std::optional<std::vector<int>> askBlocks(const PrintJobParts& parts, Dialogs& dialogs, Orientation refused) {
    const TestData& data = parts.data;
    const std::optional<PageSelection> chosen =
        parts.printer.choosePages(1, data.BlockCount, data.CurBlock, data.BlockCount);
    if (!chosen) return std::nullopt;
    std::optional<std::vector<int>> blocks = chosenBlocks(*chosen, data.BlockCount, dialogs);
    if (!blocks || refusedOrientation(parts.printer, refused, dialogs) || refusedFile(parts, dialogs))
        return std::nullopt;
    return blocks;
}

// A failure, or after a cancel what reached the printer: a cancel takes effect after the first page
// (sheet) has gone out.
void report(Dialogs& dialogs, const PrintOutcome& outcome) {
    if (outcome.failure) {
        dialogs.message(QStringLiteral("印刷できませんでした。\n(%1)").arg(*outcome.failure), Buttons::Ok,
                        QStringLiteral("印刷エラー"), Icon::Critical);
    } else if (outcome.cancelled) {
        dialogs.message(QStringLiteral("印刷を中止しました。\n%1枚を印刷しました (ブロック番号 = %2)。")
                            .arg(outcome.pages)
                            .arg(blocksText(outcome.sent)),
                        Buttons::Ok, QStringLiteral("印刷中止"));
    }
}

}  // namespace

std::vector<int> blocksIn(PageRange range) {
    std::vector<int> blocks;
    for (int block = range.from; block <= range.to; ++block) blocks.push_back(block);
    return blocks;
}

PrintOutcome printTestFormRange(const PrintJobParts& parts, const std::vector<int>& blocks,
                                const TestFormOptions& options) {
    TestData& data = parts.data;
    const int pages = static_cast<int>(blocks.size());
    JobFrame job(parts, pages);
    PrintProgress& progress = job.progress();
    const bool filled = options.graphWindow && parts.display.GGTMode == -1;
    const int passes = filled && options.fill ? 2 : 1;
    for (int index = 0; index < pages && !job.cancelled(); ++index) {
        const int block = blocks[static_cast<size_t>(index)];
        job.startBlock(index, block, passes * data.DropCount[block], pages);
        RecordedPage sheet = parts.printer.newPage();
        PrintFormHeader(sheet, data, filled && parts.display.ShowJHS == 1, parts.warn);
        parts.events.processPendingEvents();
        if (filled && options.fill) options.fill(sheet, progress, parts.events);
        PrintFormDiagram(sheet, data, parts.display, progress);
        PrintDropTable(sheet, data);
        PrintFormFrame(sheet);
        if (!job.print(sheet, {block})) break;
        progress.endPage();
    }
    return job.end();
}

PrintOutcome printSheetRange(const PrintJobParts& parts, const std::vector<int>& blocks,
                             const SheetOptions& options) {
    TestData& data = parts.data;
    const int pages = static_cast<int>(blocks.size());
    JobFrame job(parts, pages);
    PrintProgress& progress = job.progress();
    RecordedPage sheet = parts.printer.newPage();
    PrintSheetTitle(sheet, data, parts.display, options.legend, parts.warn);
    std::vector<int> onSheet;  // the blocks drawn on the sheet and not printed yet
    for (int index = 0; index < pages; ++index) {
        if (job.cancelled()) {
            onSheet.clear();
            break;
        }
        const int block = blocks[static_cast<size_t>(index)];
        job.startBlock(index, block, 2 * data.DropCount[block], pages);
        // Slot 1 (right) ends a sheet; the first block of the job lies there, beside the title block.
        const int slot = (index + 1) % 3;
        if (options.fill) options.fill(sheet, slot, progress, parts.events);
        progress.ProgressBase = static_cast<qint16>(progress.value());
        DrawGraphGGT(sheet, data, slot, options.showMarks, progress, parts.events);
        onSheet.push_back(block);
        if (slot == 1) {
            if (!job.print(sheet, onSheet)) return job.end();
            onSheet.clear();
            sheet = parts.printer.newPage();
        }
        progress.endPage();
    }
    if (!onSheet.empty()) job.print(sheet, onSheet);
    return job.end();
}

void PrintTestForms(const PrintJobParts& parts, Dialogs& dialogs, const std::function<void()>& storeHeader,
                    const TestFormOptions& options) {
    if (refusedWithoutData(parts.data, dialogs)) return;
    if (storeHeader) storeHeader();
    const std::optional<std::vector<int>> blocks = askBlocks(parts, dialogs, Orientation::Landscape);
    if (blocks) report(dialogs, printTestFormRange(parts, *blocks, options));
}

void PreviewTestForms(const PrintJobParts& parts, Dialogs& dialogs, const std::function<void()>& storeHeader,
                      const TestFormOptions& options) {
    TestData& data = parts.data;
    if (refusedWithoutData(data, dialogs)) return;
    if (storeHeader) storeHeader();
    if (refusedOrientation(parts.printer, Orientation::Landscape, dialogs)) return;
    const std::vector<int> blocks = blocksIn({data.CurBlock, data.BlockCount});
    const bool printAsked = parts.printer.preview([&](Printer& pages) {
        // Turned to landscape in the preview, the job would print nothing.
        if (pages.orientation() == Orientation::Landscape) return;
        QuietStatus quiet;
        const PrintJobParts preview{data,  parts.display, pages,
                                    quiet, parts.events,  [](const QString&, const QString&) {}};
        printTestFormRange(preview, blocks, options);
    });
    if (printAsked) PrintTestForms(parts, dialogs, storeHeader, options);
}

void PrintDiagramSheets(const PrintJobParts& parts, Dialogs& dialogs, const SheetOptions& options) {
    const std::optional<std::vector<int>> blocks = askBlocks(parts, dialogs, Orientation::Portrait);
    if (blocks) report(dialogs, printSheetRange(parts, *blocks, options));
}
