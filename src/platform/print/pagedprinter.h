#pragma once

#include <memory>

#include "platform/printer.h"

class QPagedPaintDevice;
class QPainter;

// The part of a printer that puts composed pages on a paged device (the system's printer, a PDF
// document, a preview): pages have the device's printable area and text metrics, and are drawn by the
// device's scale. One painter runs over a document, begun with its first page.
class PagedPrinter : public Printer {
public:
    ~PagedPrinter() override;

    RecordedPage newPage() override;
    std::optional<QString> print(const RecordedPage& page, const QString& documentName) override;
    std::optional<QString> finish() override;

protected:
    PagedPrinter();
    virtual QPagedPaintDevice& device() = 0;
    // Whether every page is a document of its own, ended and sent as soon as it is printed.
    virtual bool documentPerPage() { return false; }
    // Names the document of a page of its own.
    virtual void nameDocument(const QString&) {}

private:
    std::unique_ptr<QPainter> painter_;
};
