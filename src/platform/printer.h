#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "platform/recordedpage.h"

enum class Orientation { Portrait, Landscape };

// A range of pages, first to last; print jobs number their pages by block.
struct PageRange {
    int from;
    int to;
};

// The system's printer as print jobs see it: the setting the user chose (printer, paper, orientation),
// which every later print uses, its dialogs, and the pages of one job. A page is composed on a
// recorded page first and handed over complete, so that a cancelled page never reaches the paper.
class Printer {
public:
    virtual ~Printer() = default;

    // The print dialog, pages min..max with from..to preset: the range chosen (the preset one when the
    // user keeps all pages), or nothing when the user cancelled.
    virtual std::optional<PageRange> choosePages(int min, int max, int from, int to) = 0;
    // The printer set-up dialog: printer, paper and orientation; a cancel keeps the setting.
    virtual void setUp() = 0;
    virtual Orientation orientation() const = 0;
    // The preview dialog: `compose` prints the job's pages, without dialogs, on the printer it is given,
    // which shows them (and prints them when the user asks the preview to).
    virtual void preview(const std::function<void(Printer& pages)>& compose) = 0;

    // An empty page of the printer's paper, to compose a page on.
    virtual RecordedPage newPage() = 0;
    // The same in the orientation given, whatever the setting: a job whose pages differ in orientation
    // composes each on its own.
    virtual RecordedPage newPageIn(Orientation orientation) = 0;
    // Prints a composed page as the next page of the job; the first one starts the job. A page wider
    // than high prints landscape, on a turned sheet where the device turns its paper. The reason,
    // in the user's words, when the printer refused.
    virtual std::optional<QString> print(const RecordedPage& page) = 0;
    // Ends the job and sends what was printed; nothing is sent for a job without pages.
    virtual std::optional<QString> finish() = 0;
};
