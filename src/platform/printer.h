#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/recordedpage.h"

enum class Orientation { Portrait, Landscape };

// A range of pages, first to last; print jobs number their pages by block.
struct PageRange {
    int from;
    int to;
};

// The pages chosen in the print dialog: the pages of the ranges, in order, and of them all, only the
// odd or only the even page numbers.
struct PageSelection {
    enum class Parity { All, Odd, Even };

    std::vector<PageRange> ranges;
    Parity parity = Parity::All;
};

// The system's printer as print jobs see it: the setting the user chose (printer, paper, orientation),
// which every later print uses, its dialogs, and the pages of one job. A page is composed on a
// recorded page first and handed over complete, so that a cancelled page never reaches the paper.
class Printer {
public:
    virtual ~Printer() = default;

    // The print dialog, pages min..max with from..to preset: the pages chosen (the preset range when
    // the user keeps all pages), or nothing when the user cancelled.
    virtual std::optional<PageSelection> choosePages(int min, int max, int from, int to) = 0;
    // The printer set-up dialog: printer, paper and orientation; a cancel keeps the setting.
    virtual void setUp() = 0;
    virtual Orientation orientation() const = 0;
    // The file the job goes into when the user chose to print to a file; empty for a printer.
    virtual QString outputFile() const = 0;
    // The preview dialog: `compose` prints the job's pages, without dialogs, on the printer it is given,
    // which shows them. True when the user asked the preview to print: the caller then prints as its
    // print command does.
    virtual bool preview(const std::function<void(Printer& pages)>& compose) = 0;

    // An empty page of the printer's paper, to compose a page on.
    virtual RecordedPage newPage() = 0;
    // Prints a composed page. On a printer every page is a print document of its own, sent at once
    // under the name given; into a file the pages of a job are one document. The reason, in the user's
    // words, when the printer refused.
    virtual std::optional<QString> print(const RecordedPage& page, const QString& documentName) = 0;
    // Ends the job and sends what was printed and not yet sent; nothing is sent for a job without pages.
    virtual std::optional<QString> finish() = 0;
};
