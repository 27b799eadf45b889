#pragma once

#include <memory>

#include "platform/printer.h"

class QPagedPaintDevice;
class QPainter;

// The part of a printer that puts composed pages on a paged device (the system's printer or a PDF
// document): pages have the device's printable area and text metrics, and one painter runs over the
// whole job, begun with its first page.
class PagedPrinter : public Printer {
public:
    ~PagedPrinter() override;

    RecordedPage newPage() override;
    std::optional<QString> print(const RecordedPage& page) override;
    std::optional<QString> finish() override;

protected:
    PagedPrinter();
    virtual QPagedPaintDevice& device() = 0;

private:
    std::unique_ptr<QPainter> painter_;
};
