#pragma once

#include <QPrinter>

#include "platform/print/pagedprinter.h"

class QWidget;

// The system's printer (CUPS), or a PDF file when the user prints to a file in the print dialog: one
// setting for the run of the program, shared by every window's printing.
class QtPrinter : public PagedPrinter {
public:
    QtPrinter();

    // The window the dialogs belong to.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    std::optional<PageRange> choosePages(int min, int max, int from, int to) override;
    void setUp() override;
    Orientation orientation() const override;
    void preview(const std::function<void(Printer& pages)>& compose) override;

    QPrinter& printer() { return printer_; }

protected:
    QPagedPaintDevice& device() override { return printer_; }

private:
    QPrinter printer_;
    QWidget* dialogParent_ = nullptr;
};
