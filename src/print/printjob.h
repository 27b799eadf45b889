#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/printer.h"
#include "print/diagramsheet.h"
#include "print/testformpage.h"

#include "platform/progresssink.h"

class Dialogs;
class EventPump;
class PrintProgress;
class Surface;
struct DisplaySettings;
struct TestData;

// The print status window "印刷状況" as a job sees it.
class PrintStatusView {
public:
    virtual ~PrintStatusView() = default;

    // Shows the window with its bar at 0; its cancel button sets the job's PrintCancel and closes it.
    virtual void openFor(PrintProgress& job) = 0;
    virtual void setStatus(const QString& text) = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual ProgressSink& bar() = 0;
    virtual void dismiss() = 0;
};

// No status window: for previews and the command line, where nothing can cancel.
class QuietStatus : public PrintStatusView, private ProgressSink {
public:
    void openFor(PrintProgress&) override {}
    void setStatus(const QString&) override {}
    void setMaximum(int) override {}
    ProgressSink& bar() override { return *this; }
    void dismiss() override {}

private:
    void setProgress(int) override {}
};

// What a print job works on.
struct PrintJobParts {
    TestData& data;
    const DisplaySettings& display;
    Printer& printer;
    PrintStatusView& status;
    EventPump& events;
    LengthWarning warn;
};

// The fill the graph window draws in GGT mode under a printed outline: of the test form's diagram,
// and of a slot of a diagram sheet.
using FormFill = std::function<void(Surface& page, PrintProgress& progress, EventPump& events)>;
using SlotFill = std::function<void(Surface& page, int CuPage, PrintProgress& progress, EventPump& events)>;

// How test forms are printed: from the graph window in GGT mode they get its fill and, with ShowJHS,
// the JHS header.
struct TestFormOptions {
    bool graphWindow = false;
    FormFill fill;
};

// How diagram sheets are printed: the legend, the marks row under each diagram, and the fill.
struct SheetOptions {
    SheetLegend legend;
    bool showMarks = true;
    SlotFill fill;
};

// What became of a job: the blocks on the pages sent to the printer, how many pages (sheets) that
// made, whether the job was cancelled, and why the printer failed, if it did (printing stops there).
struct PrintOutcome {
    std::vector<int> sent;
    int pages = 0;
    bool cancelled = false;
    std::optional<QString> failure;
};

// The blocks of a range, first to last.
std::vector<int> blocksIn(PageRange range);

// The test forms of the blocks, in order, one page each, with the status window; a cancel takes effect
// before the next block, and the pages printed before it are kept. CurBlock is the shown block again
// afterwards.
PrintOutcome printTestFormRange(const PrintJobParts& parts, const std::vector<int>& blocks,
                                const TestFormOptions& options);

// The diagram sheets of the blocks, in order: the title block and the first block on the first sheet
// (right slot), then three diagrams a sheet, left to right. A cancel takes effect before the next block
// and drops the sheet in progress.
PrintOutcome printSheetRange(const PrintJobParts& parts, const std::vector<int>& blocks,
                             const SheetOptions& options);

// 印刷: refuses when the shown block has no drops; stores the shown block's fields (from the main
// window); asks for the blocks (the shown one to the last preset), refuses pages that are no blocks of
// the data and a landscape setting; then prints, and reports a failure or, after a cancel, what was
// printed.
void PrintTestForms(const PrintJobParts& parts, Dialogs& dialogs, const std::function<void()>& storeHeader,
                    const TestFormOptions& options);

// 印刷プレビュー: the same refusals, then the preview of the test forms 印刷 would print when all
// blocks from the shown one are chosen (texts too long shortened without a warning). The preview's
// print button runs 印刷.
void PreviewTestForms(const PrintJobParts& parts, Dialogs& dialogs, const std::function<void()>& storeHeader,
                      const TestFormOptions& options);

// グラフ印刷: the same dialog and refusals, a portrait setting refused, then the sheets.
void PrintDiagramSheets(const PrintJobParts& parts, Dialogs& dialogs, const SheetOptions& options);
