#pragma once

#include <QPrinter>
#include <memory>

#include "platform/print/pagedprinter.h"

class QWidget;

// The system's printer (CUPS), or a PDF file when the user prints to a file in the print dialog: one
// setting for the run of the program, shared by every window's printing. On a printer every page is a
// job of its own; a file holds all pages of the job.
class QtPrinter : public PagedPrinter {
public:
    QtPrinter();
    // A job still running ends before the printer goes.
    ~QtPrinter() override { finish(); }

    // The window the dialogs belong to.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    std::optional<PageSelection> choosePages(int min, int max, int from, int to) override;
    void setUp() override;
    Orientation orientation() const override;
    QString outputFile() const override;
    bool preview(const std::function<void(Printer& pages)>& compose) override;

    // Made when first needed: asking the system for its printers takes a while, which the start of the
    // program should not wait for.
    QPrinter& printer();

protected:
    QPagedPaintDevice& device() override { return printer(); }
    bool documentPerPage() override { return printer().outputFormat() == QPrinter::NativeFormat; }
    void nameDocument(const QString& name) override { printer().setDocName(name); }

private:
    std::unique_ptr<QPrinter> printer_;
    QWidget* dialogParent_ = nullptr;
};
