#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>

#include "platform/print/pagedprinter.h"

// A PDF document on A4 paper in memory, for printing without a printer or a dialog: the pages fill
// the whole sheet, and the fonts are embedded as subsets.
class PdfDocument : public PagedPrinter {
public:
    explicit PdfDocument(Orientation orientation);
    // A job still running ends before the writer goes.
    ~PdfDocument() override { finish(); }

    // No dialog: the range asked for is the one printed.
    std::optional<PageSelection> choosePages(int, int, int from, int to) override {
        return PageSelection{{{from, to}}};
    }
    void setUp() override {}
    Orientation orientation() const override { return orientation_; }
    QString outputFile() const override { return {}; }
    // A document has no preview: its pages are made.
    bool preview(const std::function<void(Printer& pages)>& compose) override {
        compose(*this);
        return false;
    }

    // The document, once finished.
    const QByteArray& bytes() const { return bytes_; }

protected:
    QPagedPaintDevice& device() override { return writer_; }

private:
    Orientation orientation_;
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
};
