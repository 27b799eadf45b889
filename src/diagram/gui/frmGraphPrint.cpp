#include <QCheckBox>

#include "diagram/displaysettings.h"
#include "diagram/gui/frmGraph.h"
#include "platform/dialogs.h"
#include "print/gui/frmStatus.h"

// Printing from the graph window: the test forms (in GGT mode with the fill its display switches
// choose and the JHS header) and, in GGT mode, the diagram sheets.

PrintJobParts frmGraph::jobParts() {
    if (!status_) status_ = new frmStatus(this);
    return {data_,
            display_,
            printer_,
            *status_,
            events_,
            [this](const QString& text, const QString& title) {
                dialogs_.message(text, Buttons::Ok, title); }};
}

// The fields of the shown block were stored when this window opened: the main window's fields may
// belong to another block by now, so they are not stored again.
void frmGraph::printForms(bool preview) {
    TestFormOptions options;
    options.graphWindow = true;
    // The boxes as they are at each page decide, not as they were saved.
    options.fill = [this](Surface& page, PrintProgress& progress, EventPump& events) {
        if (chkColor_->isChecked())
            DrawColor(page, progress, events);
        else if (chkMono_->isChecked())
            DrawMono(page, progress, events);
    };
    if (preview)
        PreviewTestForms(jobParts(), dialogs_, nullptr, options);
    else
        PrintTestForms(jobParts(), dialogs_, nullptr, options);
}

void frmGraph::printSheets() {
    SheetOptions options;
    options.legend = {chkColor_->isChecked() || chkMono_->isChecked(), printFill()};
    options.showMarks = chkMarks_->isChecked();
    options.fill = [this](Surface& page, int CuPage, PrintProgress& progress, EventPump& events) {
        DrawGGT(page, CuPage, progress, events);
    };
    PrintDiagramSheets(jobParts(), dialogs_, options);
}
